// Whole frames of the view: where a small picture lands for each mode, and
// a landscape turn the draw cannot make.
#include <gtest/gtest.h>

#include <vector>

#include "draw_test_support.h"
#include "image/draw_view.h"
#include "platform/gdi/memory_budget.h"
#include "shell/program.h"

namespace {

using namespace draw_test;
using Cursors = std::vector<device::Cursor>;

constexpr gdi::COLORREF kWhite = gdi::RGB(255, 255, 255), kBlack = 0, kGrey = gdi::RGB(128, 128, 128);
constexpr gdi::COLORREF kTL = gdi::RGB(248, 0, 0), kTR = gdi::RGB(0, 248, 0);
constexpr gdi::COLORREF kBL = gdi::RGB(0, 0, 248), kBR = gdi::RGB(248, 248, 0);

// A grey picture with a distinct colour in each corner.
gdi::BitmapPtr Corners(int32_t w, int32_t h, int bits = 24) {
    return MakePicture(w, h, bits, [=](int x, int y) {
        if (y == 0 && (x == 0 || x == w - 1)) return x == 0 ? kTL : kTR;
        if (y == h - 1 && (x == 0 || x == w - 1)) return x == 0 ? kBL : kBR;
        return kGrey;
    });
}

struct Probe {
    int32_t x, y;
    gdi::COLORREF colour;
};

// A 4 x 3 picture in the 240 x 268 window: centred at (118, 132), or at
// (118, 184) in full screen; fitted to (0, 44, 240, 180).
TEST(DrawView, FramesOfASmallPicture) {
    const struct { const char* what; bool picture; int flipBits, fit, fullScreen; float zoom; int32_t frameX; std::vector<Probe> probes; } cases[] = {
        {"centred", true, 0, 0, 0, 1.0f, 0,
         {{118, 132, kTL}, {121, 134, kBR}, {117, 132, kWhite}, {122, 134, kWhite}, {0, 0, kWhite}}},
        {"upside down", true, 1, 0, 0, 1.0f, 0, {{118, 132, kBL}, {121, 134, kTR}, {118, 135, kWhite}}},
        {"both flips at zoom 2", true, 3, 0, 0, 2.0f, 0,
         {{116, 131, kBR}, {117, 132, kBR}, {123, 136, kTL}, {115, 131, kWhite}, {124, 136, kWhite}}},
        {"fitted", true, 0, 1, 0, 1.0f, 0,
         {{0, 44, kTL}, {239, 223, kBR}, {120, 100, kGrey}, {0, 43, kWhite}, {0, 224, kWhite}}},
        {"full screen", true, 0, 0, 1, 1.0f, 0, {{118, 184, kTL}, {118, 183, kWhite}}},
        {"frame moved right by 10", true, 0, 0, 0, 1.0f, 10, {{128, 132, kTL}, {9, 100, kBlack}, {10, 100, kWhite}}},
        {"empty slot: white alone", false, 0, 0, 0, 1.0f, 0, {{0, 0, kWhite}, {120, 133, kWhite}, {239, 267, kWhite}}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        ezo::ProgramWindow window;
        ezo::ViewState& v = window.program.viewState;
        RecordingBackend backend;
        if (c.picture) v.currentImage = Corners(4, 3);
        v.flipBits = c.flipBits;
        v.zoom = c.zoom;
        v.fitToggle = c.fit;
        v.fullScreen = c.fullScreen;
        const uint64_t memoryBefore = gdi::MemoryInUse();
        EXPECT_EQ(ezo::DrawView(&window, c.frameX, 0), c.picture ? 1 : 0);
        for (const Probe& p : c.probes) EXPECT_EQ(backend.Pixel(p.x, p.y), p.colour) << p.x << ", " << p.y;
        EXPECT_EQ(backend.contextsOut, 0);
        EXPECT_EQ(gdi::MemoryInUse(), memoryBefore);
        EXPECT_FLOAT_EQ(v.zoom, c.fit ? 60.0f : c.zoom);
    }
}

// Without memory for a frame the picture is drawn straight onto the window,
// but only where the frame would sit unmoved.
TEST(DrawView, WithoutAFrameOnlyAnUnmovedPictureIsDrawn) {
    ezo::ProgramWindow window;
    RecordingBackend backend;
    window.program.viewState.currentImage = Corners(4, 3);
    gdi::ScopedMemoryBudget budget(gdi::MemoryInUse());
    EXPECT_EQ(ezo::DrawView(&window, 10, 0), 0);
    EXPECT_EQ(backend.Pixel(128, 132), kBlack);
    EXPECT_EQ(ezo::DrawView(&window, 0, 0), 1);
    EXPECT_EQ(backend.Pixel(118, 132), kTL);
    EXPECT_EQ(backend.contextsOut, 0);
}

TEST(DrawView, FailedLandscapeTurnDrawsThePictureUnturned) {
    ezo::ProgramWindow window;
    ezo::ViewState& v = window.program.viewState;
    RecordingBackend backend;
    v.currentImage = Corners(100, 80);
    v.landscapeMode = 1;
    v.effectRunning = 1;  // no wait cursor during a transition
    const uint64_t frameBytes = 240 * 268 * 4, turnedBytes = gdi::DibStride(80, 24) * 100;
    {
        gdi::ScopedMemoryBudget budget(gdi::MemoryInUse() + frameBytes + turnedBytes - 1);
        EXPECT_EQ(ezo::DrawView(&window, 0, 0), 1);
    }
    EXPECT_EQ(v.currentImage->width(), 100);
    EXPECT_EQ(v.landscapeMode, 0);
    EXPECT_EQ(v.landscapeApplied, 0);
    EXPECT_EQ(backend.messages.size(), 1u);
    EXPECT_EQ(backend.cursors, (Cursors{device::Cursor::Arrow, device::Cursor::Arrow}));
    EXPECT_EQ(backend.Pixel(70, 94), kTL);
    EXPECT_EQ(backend.Pixel(169, 173), kBR);
}

}  // namespace
