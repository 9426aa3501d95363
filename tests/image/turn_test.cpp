// Quarter turns of the current picture, and switching landscape display on
// and off (the Right and Left commands are checked on the main window).
#include <gtest/gtest.h>

#include <random>
#include <vector>

#include "draw_test_support.h"
#include "image/draw_view.h"
#include "image/turn.h"
#include "image/view_turn_commands.h"
#include "platform/gdi/memory_budget.h"
#include "shell/program.h"

namespace {

using namespace draw_test;

// Letters A to F as colours exact in 5-5-5 too (channels multiples of 8).
gdi::COLORREF Letter(int i) { return gdi::RGB(uint8_t(40 * i + 8), uint8_t(200 - 32 * i), uint8_t(16 + 24 * i)); }

std::string Letters(const gdi::Bitmap& b) {
    std::string out;
    for (int32_t y = 0; y < b.height(); ++y) {
        if (y) out += '/';
        for (int32_t x = 0; x < b.width(); ++x) {
            char found = '?';
            for (int i = 0; i < 6; ++i)
                if (PixelAt(b, x, y) == Letter(i)) found = char('A' + i);
            out += found;
        }
    }
    return out;
}

// Top row A B C, bottom row D E F.
gdi::BitmapPtr AbcDef(int bits, bool topDown = false) {
    return MakePicture(3, 2, bits, [](int x, int y) { return Letter(y * 3 + x); }, topDown);
}

struct TurnTest : ::testing::Test {
    ezo::ProgramWindow window;
    ezo::ViewState& v = window.program.viewState;
    int Turn(int clockwise) { return ezo::TurnImage(&window, nullptr, clockwise); }
};

TEST_F(TurnTest, TurnsEveryDepthBothWays) {
    const struct { int bits; bool topDown; int clockwise; const char* rows; } cases[] = {
        {24, false, 1, "DA/EB/FC"}, {24, false, 0, "CF/BE/AD"}, {24, true, 0, "CF/BE/AD"}, {16, false, 1, "DA/EB/FC"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.bits << " bits, clockwise " << c.clockwise);
        v.currentImage = AbcDef(c.bits, c.topDown);
        ASSERT_EQ(Turn(c.clockwise), 1);
        EXPECT_EQ(v.currentImage->bitsPerPixel(), 24);
        EXPECT_TRUE(v.currentImage->bottomUp());
        EXPECT_EQ(Letters(*v.currentImage), c.rows);
    }
    // Sizes that cross the tile edges: partial tiles and row padding count.
    for (const int bits : {24, 16}) {
        std::mt19937 random(bits);
        const auto noise = [&](int, int) { return gdi::COLORREF(random() & 0xFFFFFF); };
        gdi::BitmapPtr original = MakePicture(131, 67, bits, noise);
        random.seed(bits);
        v.currentImage = MakePicture(131, 67, bits, noise);
        ASSERT_EQ(Turn(1), 1);
        ASSERT_EQ(Turn(0), 1);
        int wrong = 0;
        for (int32_t y = 0; y < 67; ++y)
            for (int32_t x = 0; x < 131; ++x) wrong += PixelAt(*v.currentImage, x, y) != PixelAt(*original, x, y);
        EXPECT_EQ(wrong, 0) << bits;
    }
}

TEST_F(TurnTest, WithoutMemoryKeepsThePictureAndSwitchesLandscapeOff) {
    RecordingBackend backend;
    v.currentImage = AbcDef(24);
    const gdi::Bitmap* before = v.currentImage.get();
    v.landscapeMode = 1;
    v.zoom = 2.5f;
    v.xOffset = 7;
    {
        gdi::ScopedMemoryBudget budget(gdi::MemoryInUse() + gdi::DibStride(2, 24) * 3 - 1);
        EXPECT_EQ(Turn(0), 0);
    }
    EXPECT_EQ(v.currentImage.get(), before);
    EXPECT_EQ(Letters(*before), "ABC/DEF");
    EXPECT_EQ(v.zoom, 2.5f);
    EXPECT_EQ(v.xOffset, 7);
    EXPECT_EQ(v.landscapeMode, 0);
    ASSERT_EQ(backend.messages.size(), 1u);
    EXPECT_EQ(backend.messages[0].text, ezo::kTurnNoMemoryText);
    EXPECT_EQ(backend.messages[0].type, device::MB_ICONSTOP | device::MB_OK);
    EXPECT_EQ(backend.cursors, std::vector{device::Cursor::Arrow});

    // Other depths and an empty slot are refused without a word.
    v.currentImage = Blank(4, 3, 32);
    EXPECT_EQ(Turn(1), 0);
    EXPECT_EQ(v.currentImage->width(), 4);
    v.currentImage.reset();
    EXPECT_EQ(Turn(1), 0);
    EXPECT_EQ(backend.messages.size(), 1u);
}

gdi::COLORREF Gradient(int x, int y) { return gdi::RGB(uint8_t(8 * x), uint8_t(8 * y), 64); }
gdi::COLORREF TurnedLeft(int x, int y) { return Gradient(4 - y, x); }

TEST_F(TurnTest, LandscapeOnAndOff) {
    const struct { const char* what; int mode, applied, loaded, effect, result, modeAfter; bool turnedAfter, redrawn; } cases[] = {
        {"on: the draw turns the picture", 0, 0, 1, 0, 1, 1, true, true},
        {"off after the turn: turned back", 1, 1, 1, 0, 1, 0, false, true},
        {"off before any draw: no redraw", 1, 0, 1, 0, 1, 0, false, false},
        {"ignored without a loaded picture", 0, 0, 0, 0, 0, 0, false, false},
        {"ignored during a transition", 0, 0, 1, 1, 0, 0, false, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        RecordingBackend backend;
        v.currentImage = c.applied ? MakePicture(3, 5, 24, TurnedLeft) : MakePicture(5, 3, 24, Gradient);
        v.landscapeMode = c.mode;
        v.landscapeApplied = c.applied;
        v.imageLoaded = c.loaded;
        v.effectRunning = c.effect;
        EXPECT_EQ(ezo::LandscapeCommand(&window), c.result);
        EXPECT_EQ(v.landscapeMode, c.modeAfter);
        EXPECT_EQ(v.landscapeApplied, int(c.turnedAfter));
        EXPECT_EQ(backend.contextsTaken > 0, c.redrawn);
        ezo::DrawView(&window, 0, 0);  // a later draw turns nothing more
        const gdi::Bitmap& now = *v.currentImage;
        ASSERT_EQ(now.width(), c.turnedAfter ? 3 : 5);
        for (int32_t y = 0; y < now.height(); ++y)
            for (int32_t x = 0; x < now.width(); ++x)
                EXPECT_EQ(PixelAt(now, x, y), c.turnedAfter ? TurnedLeft(x, y) : Gradient(x, y));
    }
}

// A turn that fails while the picture is turned for landscape leaves it so,
// landscape on: switching landscape off and on again turns it once each way,
// never a second time.
TEST_F(TurnTest, AFailedTurnInLandscapeNeverTurnsThePictureTwice) {
    RecordingBackend backend;
    v.currentImage = AbcDef(24);
    v.imageLoaded = 1;
    ASSERT_EQ(ezo::LandscapeCommand(&window), 1);
    ASSERT_EQ(Letters(*v.currentImage), "CF/BE/AD");
    {
        gdi::ScopedMemoryBudget budget(gdi::MemoryInUse() + gdi::DibStride(3, 24) * 2 - 1);
        EXPECT_EQ(Turn(1), 0);
    }
    EXPECT_EQ(v.landscapeMode, 1);
    EXPECT_EQ(Letters(*v.currentImage), "CF/BE/AD");
    ASSERT_EQ(ezo::LandscapeCommand(&window), 1);
    EXPECT_EQ(v.landscapeMode, 0);
    EXPECT_EQ(Letters(*v.currentImage), "ABC/DEF");
    ASSERT_EQ(ezo::LandscapeCommand(&window), 1);
    EXPECT_EQ(Letters(*v.currentImage), "CF/BE/AD");
}

}  // namespace
