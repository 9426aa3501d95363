#include <gtest/gtest.h>

#include <vector>

#include "draw_test_support.h"
#include "image/view_hooks.h"
#include "image/view_turn_commands.h"

namespace {

using namespace draw_test;
using ezo::viewState;

gdi::COLORREF Gradient(int x, int y) { return gdi::RGB(uint8_t(8 * x), uint8_t(8 * y), 64); }
gdi::COLORREF TurnedLeft(int x, int y) { return Gradient(4 - y, x); }

TEST(TurnCommands, LandscapeOnAndOff) {
    struct Case {
        const char* what;
        int mode, applied, loaded, effect;
        int result, modeAfter, appliedAfter;
        bool turnedAfter;
        std::vector<bool> checks;
        bool redrawn;
    };
    const Case cases[] = {
        {"on: checked, and the draw turns the picture", 0, 0, 1, 0, 1, 1, 1, true, {true}, true},
        {"off after the turn: turned back", 1, 1, 1, 0, 1, 0, 0, false, {false}, true},
        {"off before any draw: no redraw", 1, 0, 1, 0, 1, 0, 0, false, {false}, false},
        {"ignored without a loaded picture", 0, 0, 0, 0, 0, 0, 0, false, {}, false},
        {"ignored during a transition", 0, 0, 1, 1, 0, 0, 0, false, {}, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        FreshViewState fresh;
        RecordingBackend backend;
        std::vector<bool> checks;
        ezo::onLandscapeCheckChanged = [&](bool checked) { checks.push_back(checked); };
        viewState.currentImage = c.applied ? MakePicture(3, 5, 24, TurnedLeft) : MakePicture(5, 3, 24, Gradient);
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
        const gdi::Bitmap& now = *viewState.currentImage;
        ASSERT_EQ(now.width(), c.turnedAfter ? 3 : 5);
        for (int32_t y = 0; y < now.height(); ++y)
            for (int32_t x = 0; x < now.width(); ++x)
                EXPECT_EQ(PixelAt(now, x, y), c.turnedAfter ? TurnedLeft(x, y) : Gradient(x, y));
    }
}

TEST(TurnCommands, RightTurnsRecentresAndRedraws) {
    FreshViewState fresh;
    RecordingBackend backend;
    viewState.currentImage = MakePicture(5, 3, 16, Gradient);
    viewState.xOffset = 40;
    EXPECT_EQ(ezo::TurnCommand(nullptr, 1), 1);
    EXPECT_EQ(viewState.xOffset, 0);
    EXPECT_EQ(backend.Pixel(118, 131), Gradient(0, 2));  // the 3 x 5 picture, centred
    EXPECT_EQ(backend.contextsOut, 0);
    EXPECT_EQ(backend.cursors, (std::vector<device::Cursor>{device::Cursor::Wait, device::Cursor::Arrow}));
}

}  // namespace
