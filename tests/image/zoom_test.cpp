// The zoom ladders, and keeping the view's centre point in place across a
// zoom step.
#include <gtest/gtest.h>

#include <vector>

#include "draw_test_support.h"
#include "image/view_recentre.h"
#include "image/zoom.h"
#include "shell/program.h"

namespace {

using namespace draw_test;
using ezo::Offsets;

TEST(Zoom, LaddersStopWhereTheThresholdsSay) {
    const struct { float start; bool zoomIn, isLarge; float fitZoom; std::vector<float> expected; } cases[] = {
        {1.0f, true, false, 0, {1.5f, 2.0f, 2.5f, 3.0f, 4.0f, 5.0f, 6.0f, 7.0f}},
        // Near 0.4 the float lies just above the double 0.4: one more step.
        {7.0f, false, false, 0, {6.0f, 5.0f, 4.0f, 3.0f, 2.5f, 2.0f, 1.5f, 1.0f, 0.8f, 0.6f, 0.5f, 0.4f, 0.3f}},
        {0.22f, true, true, 0.22f,
         {0.32f, 0.42f, 0.52f, 0.62f, 0.82f, 1.02f, 1.52f, 2.02f, 2.52f, 3.02f, 4.02f, 5.02f, 6.02f, 7.02f}},
        {1.0f, false, true, 0.22f, {0.8f, 0.6f, 0.5f, 0.4f, 0.3f, 0.2f}},
        {0.2f, false, true, 0.1f, {0.17f, 0.14f, 0.11f, 0.08f}},  // fine steps near a small fit
        {0.05f, true, true, 0.05f, {0.08f, 0.11f, 0.14f, 0.17f, 0.2f, 0.3f, 0.4f, 0.5f, 0.6f, 0.8f, 1.0f,
                                    1.5f, 2.0f, 2.5f, 3.0f, 4.0f, 5.0f, 6.0f, 7.0f}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << (c.zoomIn ? "in from " : "out from ") << c.start);
        std::vector<float> visited;
        for (float z = c.start; visited.size() < 40;) {
            const float next = c.zoomIn ? ezo::NextZoomIn(z, c.isLarge) : ezo::NextZoomOut(z, c.isLarge, c.fitZoom);
            if (next == z) break;
            visited.push_back(z = next);
        }
        ASSERT_EQ(visited.size(), c.expected.size());
        for (size_t i = 0; i < visited.size(); ++i) EXPECT_NEAR(visited[i], c.expected[i], 1e-4) << i;
    }
}

// A zoom that draws the picture less than a pixel wide or tall is not taken;
// one pixel is enough.
TEST(Zoom, APictureMustStayAtLeastAPixelOnEachSide) {
    const auto zero = [](int32_t width, int32_t height) { return ezo::DrawnAtZeroSize(width, height, 0.25f); };
    EXPECT_FALSE(zero(4, 4000) || zero(4000, 4));
    EXPECT_TRUE(zero(3, 4000) && zero(4000, 3));
}

TEST(Zoom, RecentringKeepsTheCentrePointWithinThePicture) {
    const ezo::ViewMode twoBars{false, false, 0}, full{true, false, 0};
    const struct { int32_t W, H; float previousZoom, zoom; Offsets before; ezo::ViewMode mode; Offsets expected; } cases[] = {
        {1000, 1000, 1.0f, 2.0f, {380, 366}, twoBars, {880, 866}},
        {1000, 1000, 1.0f, 2.0f, {380, 340}, full, {880, 840}},
        {1000, 1000, 2.0f, 1.0f, {0, 0}, twoBars, {0, 0}},               // clamped at the top left
        {1000, 1000, 2.0f, 1.5f, {1760, 1732}, twoBars, {1260, 1232}},   // and at the bottom right
        {200, 2000, 1.0f, 1.0f, {0, 500}, twoBars, {0, 500}},            // narrower than the screen
        {4000, 4000, 0.0f, 0.1f, {9, 9}, twoBars, {80, 66}},             // nothing shown before: centred
        {1 << 20, 1 << 20, 6.0f, 7.0f, {INT32_MAX, INT32_MIN}, twoBars, {7339792, 0}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.W << "x" << c.H << " " << c.previousZoom << " -> " << c.zoom);
        EXPECT_EQ(ezo::RecentredOffsets(c.W, c.H, c.zoom, c.previousZoom, c.before, c.mode), c.expected);
    }
}

// Zoom commands step by step from the middle of a big picture, in fit mode
// first: the same picture point stays at the view's centre, give or take a
// pixel of rounding. Zooming in redraws later, zooming out at once.
TEST(Zoom, CommandsKeepThePointAtTheCentre) {
    ezo::ProgramWindow window;
    ezo::ViewState& v = window.program.viewState;
    RecordingBackend backend;
    v.currentImage = Blank(2000, 1500);
    v.fitToggle = 1;
    v.xOffset = 700 - 120;
    v.yOffset = 600 - 134;
    for (int step = 0; step < 9; ++step) {
        step < 8 ? ezo::ZoomIn(&window) : ezo::ZoomOut(&window);
        EXPECT_EQ(v.fitToggle, 0);
        EXPECT_NEAR((v.xOffset + 120) / v.zoom, 700.0, 1.0) << v.zoom;
        EXPECT_NEAR((v.yOffset + 134) / v.zoom, 600.0, 1.0) << v.zoom;
    }
    EXPECT_FLOAT_EQ(v.zoom, 6.0f);
    EXPECT_EQ(backend.invalidations, 8);
    EXPECT_EQ(backend.contextsTaken, 1);
    v.panLastX = 5;
    ezo::ZoomActual(&window);  // back to 1.0 on the middle, the stylus forgotten
    EXPECT_EQ((Offsets{v.xOffset, v.yOffset}), (Offsets{880, 590}));
    EXPECT_EQ(v.panLastX, 0);
}

}  // namespace
