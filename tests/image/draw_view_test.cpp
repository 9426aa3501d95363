#include <gtest/gtest.h>

#include <vector>

#include "draw_test_support.h"
#include "image/draw_view.h"
#include "image/view_hooks.h"
#include "image/view_state.h"
#include "platform/gdi/memory_budget.h"

namespace {

using draw_test::FreshViewState;
using draw_test::MakePicture;
using draw_test::RecordingBackend;
using ezo::viewState;

constexpr gdi::COLORREF kWhite = gdi::RGB(255, 255, 255);
constexpr gdi::COLORREF kBlack = gdi::RGB(0, 0, 0);
constexpr gdi::COLORREF kGrey = gdi::RGB(128, 128, 128);
constexpr gdi::COLORREF kTopLeft = gdi::RGB(248, 0, 0);
constexpr gdi::COLORREF kTopRight = gdi::RGB(0, 248, 0);
constexpr gdi::COLORREF kBottomLeft = gdi::RGB(0, 0, 248);
constexpr gdi::COLORREF kBottomRight = gdi::RGB(248, 248, 0);

// A grey picture with a distinct colour in each corner.
gdi::BitmapPtr Corners(int32_t width, int32_t height, int bitsPerPixel = 24) {
    return MakePicture(width, height, bitsPerPixel, [=](int x, int y) {
        const bool left = x == 0, right = x == width - 1, top = y == 0, bottom = y == height - 1;
        if (top && left) return kTopLeft;
        if (top && right) return kTopRight;
        if (bottom && left) return kBottomLeft;
        if (bottom && right) return kBottomRight;
        return kGrey;
    });
}

struct Probe {
    int32_t x, y;
    gdi::COLORREF colour;
};

TEST(DrawView, FramesOfASmallPicture) {
    struct Case {
        const char* what;
        int flipBits;
        float zoom;
        int fit;
        int fullScreen;
        int32_t frameX;
        std::vector<Probe> probes;
    };
    // A 4 x 3 picture in a 240 x 268 window: centred at (118, 132) outside
    // full screen, at (118, 184) in full screen.
    const Case cases[] = {
        {"centred", 0, 1.0f, 0, 0, 0,
         {{118, 132, kTopLeft}, {121, 132, kTopRight}, {118, 134, kBottomLeft}, {121, 134, kBottomRight},
          {117, 132, kWhite}, {122, 134, kWhite}, {118, 131, kWhite}, {0, 0, kWhite}, {239, 267, kWhite}}},
        {"mirrored", ezo::kFlipHorizontal, 1.0f, 0, 0, 0,
         {{118, 132, kTopRight}, {121, 132, kTopLeft}, {118, 134, kBottomRight}, {117, 132, kWhite}}},
        {"upside down", ezo::kFlipVertical, 1.0f, 0, 0, 0,
         {{118, 132, kBottomLeft}, {121, 134, kTopRight}, {118, 135, kWhite}}},
        {"both flips at zoom 2", ezo::kFlipVertical | ezo::kFlipHorizontal, 2.0f, 0, 0, 0,
         {{116, 131, kBottomRight}, {117, 132, kBottomRight}, {123, 136, kTopLeft}, {115, 131, kWhite},
          {124, 136, kWhite}}},
        {"fitted, width binds", 0, 1.0f, 1, 0, 0,
         {{0, 44, kTopLeft}, {239, 44, kTopRight}, {0, 223, kBottomLeft}, {239, 223, kBottomRight},
          {120, 100, kGrey}, {0, 43, kWhite}, {0, 224, kWhite}}},
        {"fitted and mirrored", ezo::kFlipHorizontal, 1.0f, 1, 0, 0,
         {{0, 44, kTopRight}, {239, 223, kBottomLeft}}},
        {"full screen", 0, 1.0f, 0, 1, 0, {{118, 184, kTopLeft}, {121, 186, kBottomRight}, {118, 183, kWhite}}},
        {"frame moved right by 10", 0, 1.0f, 0, 0, 10,
         {{128, 132, kTopLeft}, {9, 100, kBlack}, {10, 100, kWhite}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        FreshViewState fresh;
        RecordingBackend backend;
        backend.Fill(kBlack);
        int hides = 0;
        ezo::onHideReportBrowseBar = [&] { ++hides; };
        viewState.currentImage = Corners(4, 3);
        viewState.imageLoaded = 1;
        viewState.flipBits = c.flipBits;
        viewState.zoom = c.zoom;
        viewState.fitToggle = c.fit;
        viewState.fullScreen = c.fullScreen;
        const uint64_t memoryBefore = gdi::MemoryInUse();

        EXPECT_EQ(ezo::DrawView(nullptr, c.frameX, 0), 1);
        ezo::onHideReportBrowseBar = nullptr;

        for (const Probe& p : c.probes)
            EXPECT_EQ(backend.Pixel(p.x, p.y), p.colour) << "at " << p.x << ", " << p.y;
        EXPECT_EQ(hides, c.fullScreen);
        EXPECT_EQ(backend.contextsOut, 0);
        EXPECT_EQ(gdi::MemoryInUse(), memoryBefore);
        if (c.fit) {
            EXPECT_FLOAT_EQ(viewState.zoom, 60.0f);
        }
    }
}

TEST(DrawView, EmptySlotDrawsTheWhiteBackground) {
    FreshViewState fresh;
    RecordingBackend backend;
    backend.Fill(kBlack);
    viewState.landscapeMode = 1;
    EXPECT_EQ(ezo::DrawView(nullptr, 0, 0), 0);
    int notWhite = 0;
    for (int32_t y = 0; y < 268; ++y)
        for (int32_t x = 0; x < 240; ++x) notWhite += backend.Pixel(x, y) != kWhite;
    EXPECT_EQ(notWhite, 0);
    EXPECT_TRUE(backend.messages.empty());
    EXPECT_EQ(viewState.landscapeMode, 1);
}

TEST(DrawView, PanStepDrawsWithoutErasing) {
    FreshViewState fresh;
    RecordingBackend backend;
    backend.Fill(kBlack);
    viewState.currentImage = Corners(4, 3);
    device::WindowDC dc(nullptr);
    EXPECT_EQ(ezo::DrawImage(nullptr, dc, 5, 5, 0), 1);
    EXPECT_EQ(backend.Pixel(118, 132), kTopLeft);
    EXPECT_EQ(backend.Pixel(0, 0), kBlack);
    // Too small to pan: the offsets stay.
    EXPECT_EQ(viewState.xOffset, 0);
    EXPECT_EQ(viewState.yOffset, 0);
}

TEST(DrawView, LandscapeTurnsEachNewPictureOnce) {
    FreshViewState fresh;
    RecordingBackend backend;
    int checkChanges = 0;
    ezo::onLandscapeCheckChanged = [&](bool) { ++checkChanges; };
    viewState.landscapeMode = 1;
    for (int load = 0; load < 3; ++load) {
        SCOPED_TRACE(load);
        // What a load does: a new picture, not yet turned.
        viewState.currentImage = Corners(4 + load, 3, load == 1 ? 16 : 24);
        viewState.landscapeApplied = 0;
        backend.cursors.clear();
        for (int draw = 0; draw < 2; ++draw) EXPECT_EQ(ezo::DrawView(nullptr, 0, 0), 1);
        ASSERT_EQ(viewState.currentImage->width(), 3);
        ASSERT_EQ(viewState.currentImage->height(), 4 + load);
        EXPECT_EQ(viewState.landscapeMode, 1);
        EXPECT_EQ(viewState.landscapeApplied, 1);
        EXPECT_EQ(backend.cursors,
                  (std::vector<device::Cursor>{device::Cursor::Wait, device::Cursor::Arrow}));
        // Turned to the left: the top-right corner is now top-left.
        const int32_t x0 = (240 - 3) / 2, y0 = (320 - (4 + load)) / 2 - 26;
        EXPECT_EQ(backend.Pixel(x0, y0), kTopRight);
        EXPECT_EQ(backend.Pixel(x0 + 2, y0 + 3 + load), kBottomLeft);
    }
    ezo::onLandscapeCheckChanged = nullptr;
    EXPECT_EQ(checkChanges, 0);
    EXPECT_TRUE(backend.messages.empty());
}

TEST(DrawView, FailedLandscapeTurnDrawsThePictureUnturned) {
    FreshViewState fresh;
    RecordingBackend backend;
    std::vector<bool> checks;
    ezo::onLandscapeCheckChanged = [&](bool checked) { checks.push_back(checked); };
    viewState.currentImage = Corners(100, 80);
    const gdi::Bitmap* picture = viewState.currentImage.get();
    viewState.landscapeMode = 1;
    viewState.effectRunning = 1;  // no wait cursor during a transition
    const uint64_t frameBytes = 240ull * 268 * 4;
    const uint64_t turnedBytes = uint64_t(gdi::DibStride(80, 24)) * 100;
    {
        gdi::ScopedMemoryBudget budget(gdi::MemoryInUse() + frameBytes + turnedBytes - 1);
        EXPECT_EQ(ezo::DrawView(nullptr, 0, 0), 1);
    }
    ezo::onLandscapeCheckChanged = nullptr;

    EXPECT_EQ(viewState.currentImage.get(), picture);
    EXPECT_EQ(viewState.landscapeMode, 0);
    EXPECT_EQ(viewState.landscapeApplied, 0);
    EXPECT_EQ(checks, std::vector<bool>{false});
    ASSERT_EQ(backend.messages.size(), 1u);
    EXPECT_EQ(backend.messages[0].caption, u"Ezo");
    EXPECT_EQ(backend.cursors, (std::vector<device::Cursor>{device::Cursor::Arrow, device::Cursor::Arrow}));
    EXPECT_EQ(backend.Pixel(70, 94), kTopLeft);
    EXPECT_EQ(backend.Pixel(169, 173), kBottomRight);
}

}  // namespace
