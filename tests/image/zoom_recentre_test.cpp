#include <gtest/gtest.h>

#include "draw_test_support.h"
#include "image/view_recentre.h"
#include "image/zoom.h"

namespace {

using ezo::Offsets;
using ezo::viewState;

TEST(ZoomRecentre, KeepsTheCentrePointWithinThePicture) {
    const ezo::ViewMode twoBars{false, false, 0}, full{true, false, 0};
    struct Case {
        int32_t W, H;
        float previousZoom, zoom;
        Offsets before;
        ezo::ViewMode mode;
        Offsets expected;
    };
    const Case cases[] = {
        {1000, 1000, 1.0f, 2.0f, {380, 366}, twoBars, {880, 866}},
        {1000, 1000, 1.0f, 2.0f, {380, 340}, full, {880, 840}},
        {1000, 1000, 2.0f, 1.0f, {0, 0}, twoBars, {0, 0}},               // clamped at the top left
        {1000, 1000, 2.0f, 1.5f, {1760, 1732}, twoBars, {1260, 1232}},   // and at the bottom right
        {200, 2000, 1.0f, 1.0f, {0, 500}, twoBars, {0, 500}},            // narrower than the screen
        {4000, 4000, 0.0f, 0.1f, {9, 9}, twoBars, {80, 66}},             // nothing shown before: centred
        {1 << 20, 1 << 20, 6.0f, 7.0f, {INT32_MAX, INT32_MIN}, twoBars, {7339792, 0}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.W << "x" << c.H << " " << c.previousZoom << " -> " << c.zoom);
        EXPECT_EQ(ezo::RecentredOffsets(c.W, c.H, c.zoom, c.previousZoom, c.before, c.mode), c.expected);
    }
}

// Step by step from the middle of a big picture, the same picture point stays
// at the view's centre, give or take a pixel of rounding.
TEST(ZoomRecentre, ZoomingInKeepsThePointAtTheCentre) {
    draw_test::FreshViewState fresh;
    viewState.currentImage = draw_test::Blank(2000, 1500);
    viewState.xOffset = 700 - 120;
    viewState.yOffset = 600 - 134;
    for (int step = 0; step < 8; ++step) {
        viewState.previousZoom = viewState.zoom;
        viewState.zoom = ezo::NextZoomIn(viewState.zoom, false);
        ezo::RecentreView(1);
        EXPECT_NEAR((viewState.xOffset + 120) / viewState.zoom, 700.0, 1.0) << viewState.zoom;
        EXPECT_NEAR((viewState.yOffset + 134) / viewState.zoom, 600.0, 1.0) << viewState.zoom;
    }
    viewState.panLastX = 5;
    ezo::RecentreView(0);
    EXPECT_EQ((Offsets{viewState.xOffset, viewState.yOffset}), (Offsets{6880, 5090}));
    EXPECT_EQ(viewState.panLastX, 0);
}

}  // namespace
