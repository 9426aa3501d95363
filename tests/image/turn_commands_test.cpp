#include <gtest/gtest.h>

#include <vector>

#include "draw_test_support.h"
#include "image/view_hooks.h"
#include "image/view_state.h"
#include "image/view_turn_commands.h"

namespace {

using draw_test::FreshViewState;
using draw_test::MakePicture;
using draw_test::PixelAt;
using draw_test::RecordingBackend;
using ezo::viewState;

gdi::COLORREF Gradient(int x, int y) { return gdi::RGB(uint8_t(8 * x), uint8_t(8 * y), 64); }

TEST(TurnCommands, LandscapeStateMachine) {
    struct Case {
        const char* what;
        int mode, applied, loaded, effect;
        int result, modeAfter, appliedAfter;
        int32_t widthAfter;  // of the 5 x 3 picture
        std::vector<bool> checks;
        bool redrawn;
    };
    const Case cases[] = {
        {"on: checked, and the draw turns the picture", 0, 0, 1, 0, 1, 1, 1, 3, {true}, true},
        {"off after the turn: turned back", 1, 1, 1, 0, 1, 0, 0, 5, {false}, true},
        {"off before any draw: no redraw", 1, 0, 1, 0, 1, 0, 0, 5, {false}, false},
        {"ignored without a loaded picture", 0, 0, 0, 0, 0, 0, 0, 5, {}, false},
        {"ignored during a transition", 0, 0, 1, 1, 0, 0, 0, 5, {}, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        FreshViewState fresh;
        RecordingBackend backend;
        std::vector<bool> checks;
        ezo::onLandscapeCheckChanged = [&](bool checked) { checks.push_back(checked); };
        gdi::BitmapPtr original = MakePicture(5, 3, 24, Gradient);
        // "Already turned" means the slot holds the picture turned to the left.
        viewState.currentImage = c.applied ? MakePicture(3, 5, 24, [](int x, int y) { return Gradient(4 - y, x); })
                                           : MakePicture(5, 3, 24, Gradient);
        viewState.landscapeMode = c.mode;
        viewState.landscapeApplied = c.applied;
        viewState.imageLoaded = c.loaded;
        viewState.effectRunning = c.effect;

        EXPECT_EQ(ezo::LandscapeCommand(nullptr), c.result);
        ezo::onLandscapeCheckChanged = nullptr;

        EXPECT_EQ(viewState.landscapeMode, c.modeAfter);
        EXPECT_EQ(viewState.landscapeApplied, c.appliedAfter);
        EXPECT_EQ(checks, c.checks);
        EXPECT_EQ(backend.contextsTaken > 0, c.redrawn);
        EXPECT_EQ(backend.contextsOut, 0);
        EXPECT_TRUE(backend.messages.empty());
        const gdi::Bitmap& now = *viewState.currentImage;
        ASSERT_EQ(now.width(), c.widthAfter);
        if (c.widthAfter == 5) {
            for (int32_t y = 0; y < 3; ++y)
                for (int32_t x = 0; x < 5; ++x) EXPECT_EQ(PixelAt(now, x, y), Gradient(x, y));
        } else {
            // Turned to the left: the top row's right end is the top-left corner.
            EXPECT_EQ(PixelAt(now, 0, 0), Gradient(4, 0));
            EXPECT_EQ(PixelAt(now, 2, 4), Gradient(0, 2));
        }
    }
}

TEST(TurnCommands, RightAndLeftTurnRecentreAndRedraw) {
    struct Case {
        int clockwise;
        gdi::COLORREF topLeftAfter;
    };
    for (const Case c : {Case{1, Gradient(0, 2)}, Case{0, Gradient(4, 0)}}) {
        SCOPED_TRACE(c.clockwise);
        FreshViewState fresh;
        RecordingBackend backend;
        viewState.currentImage = MakePicture(5, 3, 16, Gradient);
        viewState.xOffset = 40;
        viewState.panLastX = 9;
        EXPECT_EQ(ezo::TurnCommand(nullptr, c.clockwise), 1);
        EXPECT_EQ(PixelAt(*viewState.currentImage, 0, 0), c.topLeftAfter);
        EXPECT_EQ(viewState.xOffset, 0);
        EXPECT_EQ(viewState.panLastX, 0);
        EXPECT_EQ(backend.contextsTaken, 1);
        EXPECT_EQ(backend.contextsOut, 0);
        // The turned 3 x 5 picture drawn centred: (118, 131).
        EXPECT_EQ(backend.Pixel(118, 131), c.topLeftAfter);
        EXPECT_EQ(backend.cursors, (std::vector<device::Cursor>{device::Cursor::Wait, device::Cursor::Arrow}));
    }
}

}  // namespace
