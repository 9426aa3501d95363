#include <gtest/gtest.h>

#include "draw_test_support.h"
#include "image/view_recentre.h"
#include "image/view_state.h"
#include "image/zoom.h"

namespace {

using ezo::Offsets;
using ezo::ViewMode;
using ezo::viewState;

const ViewMode kTwoBars{false, false, 0};
const ViewMode kFullScreen{true, false, 0};

TEST(ZoomRecentre, KeepsTheCentrePointWithinThePicture) {
    struct Case {
        const char* what;
        int32_t W, H;
        float previousZoom, zoom;
        Offsets before;
        ViewMode mode;
        Offsets expected;
    };
    const Case cases[] = {
        {"zoom in, two bars", 1000, 1000, 1.0f, 2.0f, {380, 366}, kTwoBars, {880, 866}},
        {"zoom in, full screen", 1000, 1000, 1.0f, 2.0f, {380, 340}, kFullScreen, {880, 840}},
        {"zoom out at the top-left edge", 1000, 1000, 2.0f, 1.0f, {0, 0}, kTwoBars, {0, 0}},
        {"zoom out at the bottom-right edge", 1000, 1000, 2.0f, 1.5f, {1760, 1732}, kTwoBars,
         {1260, 1232}},
        {"picture smaller than the screen", 100, 100, 1.0f, 1.5f, {0, 0}, kTwoBars, {0, 0}},
        {"narrow and tall: x stays 0", 200, 2000, 1.0f, 1.0f, {0, 500}, kTwoBars, {0, 500}},
        // Nothing was shown at zoom 0 (a degenerate fit): centre instead of dividing by it.
        {"from zoom 0", 4000, 4000, 0.0f, 0.1f, {9, 9}, kTwoBars, {80, 66}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(ezo::RecentredOffsets(c.W, c.H, c.zoom, c.previousZoom, c.before, c.mode), c.expected);
    }
}

TEST(ZoomRecentre, ExtremeOffsetsStayInsideThePicture) {
    const int32_t side = 1 << 20;
    for (const Offsets before : {Offsets{INT32_MAX, INT32_MAX}, Offsets{INT32_MIN, INT32_MIN}}) {
        const Offsets o = ezo::RecentredOffsets(side, side, 7.0f, 6.0f, before, kTwoBars);
        EXPECT_GE(o.x, 0);
        EXPECT_GE(o.y, 0);
        EXPECT_LE(o.x, int64_t(side) * 7 - 240);
        EXPECT_LE(o.y, int64_t(side) * 7 - 268);
    }
}

TEST(ZoomRecentre, ResetOpensOnTheMiddleAndForgetsTheStylus) {
    struct Case {
        int32_t W, H;  // 0: empty slot
        float zoom;
        Offsets expected;
    };
    const Case cases[] = {{1000, 1000, 1.0f, {380, 340}}, {100, 100, 1.0f, {0, 0}},
                          {1000, 1000, 0.5f, {130, 90}},  {0, 0, 1.0f, {0, 0}}};
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.W << "x" << c.H << " at " << c.zoom);
        draw_test::FreshViewState fresh;
        if (c.W) viewState.currentImage = draw_test::MakeBlankPicture(c.W, c.H, 24);
        viewState.zoom = c.zoom;
        viewState.xOffset = viewState.yOffset = 55;
        viewState.panLastX = viewState.panLastY = 12;
        ezo::RecentreView(0);
        EXPECT_EQ((Offsets{viewState.xOffset, viewState.yOffset}), c.expected);
        EXPECT_EQ(viewState.panLastX, 0);
        EXPECT_EQ(viewState.panLastY, 0);
    }
}

// Zooming in step by step from the middle of a big picture keeps the same
// picture point at the centre of the view, give or take a pixel of rounding.
TEST(ZoomRecentre, ZoomingInKeepsThePointAtTheCentre) {
    draw_test::FreshViewState fresh;
    viewState.currentImage = draw_test::MakeBlankPicture(2000, 1500, 24);
    viewState.xOffset = 700 - 120;
    viewState.yOffset = 600 - 134;
    for (int step = 0; step < 8; ++step) {
        viewState.previousZoom = viewState.zoom;
        viewState.zoom = ezo::NextZoomIn(viewState.zoom, false);
        ezo::RecentreView(1);
        SCOPED_TRACE(viewState.zoom);
        EXPECT_NEAR((viewState.xOffset + 120) / viewState.zoom, 700.0, 1.0);
        EXPECT_NEAR((viewState.yOffset + 134) / viewState.zoom, 600.0, 1.0);
    }
}

}  // namespace
