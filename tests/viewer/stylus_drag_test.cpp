// Dragging the separator between the tree and the file area, the drag line,
// and pan steps at the picture's edge.
#include "app/shell/shell_state.h"
#include "image/stylus_drag.h"
#include "image/view_state.h"
#include "platform/device/activation.h"
#include "viewer_fixture.h"

namespace viewer_test {
namespace {

using namespace ezo;

TEST(SplitterRelease, WhereTheSeparatorStops) {
    struct Case {
        uint16_t y;
        int titleBarHidden;
        SplitterRelease release;
    } cases[] = {
        {100, 0, {100, kIdSplitMiddle}},
        {0, 0, {0, kIdSplitMiddle}},
        {260, 0, {260, kIdSplitMiddle}},
        {261, 0, {260, kIdSplitFilesHidden}},
        {300, 0, {260, kIdSplitFilesHidden}},
        {300, 1, {286, kIdSplitFilesHidden}},
        {0xFFF6, 0, {-1, kIdSplitTreeHidden}},  // on the bar above the window
        {0xFFE6, 1, {-1, kIdSplitTreeHidden}},
        {0xFFFF, 0, {-1, kIdSplitTreeHidden}},
        {0xFFE5, 0, {260, kIdSplitFilesHidden}},  // far below the window
        {0x8000, 1, {286, kIdSplitFilesHidden}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.y);
        EXPECT_EQ(SplitterReleaseAt(c.y, c.titleBarHidden), c.release);
    }
}

TEST_F(ViewerTest, ADragOnTheBandMovesTheSeparatorWhereItIsReleased) {
    struct Case {
        uint16_t y;
        int titleBarHidden;
        int32_t split;
        int hidden;
        int bits;
    } cases[] = {
        {100, 0, 100, kIdSplitMiddle, 3},
        {300, 0, 260, kIdSplitFilesHidden, 5},
        {300, 1, 286, kIdSplitFilesHidden, 5},
        {0xFFF6, 0, -1, kIdSplitTreeHidden, 6},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.y);
        viewState.titleBarHidden = c.titleBarHidden;
        const gdi::RECT band = shell.separatorRect;
        SplitterDown(window_, 100, band.top + 4);
        EXPECT_EQ(device::GetCapture(), window_);
        SplitterMove(window_, 150);
        SplitterUp(window_, c.y);
        EXPECT_EQ(device::GetCapture(), nullptr);
        EXPECT_EQ(shell.separatorRect, (gdi::RECT{0, c.split, 240, c.split + 9}));
        EXPECT_EQ(shell.tree->data().rect.height(), c.split + 1);
        EXPECT_EQ(shell.fileList->data().rect.top, c.split + 9);
        EXPECT_EQ(shell.splitButtonBits, c.bits);
        EXPECT_FALSE(device::IsWindowVisible(device::GetDlgItem(window_, c.hidden)));
        EXPECT_EQ(device::GetDlgItem(window_, kIdSplitTreeHidden)->data().rect.top, c.split + 1);
    }
}

TEST_F(ViewerTest, ADragStartedOffTheBandIsIgnored) {
    const gdi::RECT band = shell.separatorRect;
    SplitterDown(window_, 100, band.top - 1);
    SplitterMove(window_, 150);
    SplitterUp(window_, 150);
    EXPECT_EQ(device::GetCapture(), nullptr);
    EXPECT_EQ(shell.separatorRect, band);
}

TEST_F(ViewerTest, TheDragLineIsFivePixelsInvertedAndASecondDrawRemovesIt) {
    FillWindow(kWhite);
    DrawDragLine(window_, 100);
    for (int32_t y = 97; y <= 103; ++y) {
        SCOPED_TRACE(y);
        const gdi::COLORREF expected = y >= 98 && y <= 102 ? 0 : kWhite;
        EXPECT_EQ(Pixel(0, y), expected);
        EXPECT_EQ(Pixel(239, y), expected);
    }
    DrawDragLine(window_, 100);
    EXPECT_EQ(Pixel(0, 100), kWhite);
    EXPECT_EQ(Pixel(239, 102), kWhite);
}

// A 480 x 600 picture: a step is taken per axis only while there is more
// picture to show that way.
TEST_F(ViewerTest, APanStepFollowsTheStylusOnlyWhereThereIsMorePicture) {
    struct Case {
        const char* what;
        int32_t x0, y0;  // offsets before
        int32_t toX, toY;  // stylus, from (50, 50)
        int32_t x1, y1;
    } cases[] = {
        {"left edge: horizontal refused, vertical taken", 0, 100, 55, 43, 0, 107},
        {"inside: both taken", 20, 100, 55, 43, 15, 107},
        {"top edge: vertical refused", 20, 0, 45, 60, 25, 0},
    };
    shell.browseMode = 0;
    viewState.currentImage = draw_test::Blank(480, 600);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        viewState.xOffset = c.x0, viewState.yOffset = c.y0;
        viewState.panLastX = 50, viewState.panLastY = 50;
        PanStep(window_, c.toX, c.toY);
        EXPECT_EQ(viewState.xOffset, c.x1);
        EXPECT_EQ(viewState.yOffset, c.y1);
        EXPECT_EQ(viewState.panLastX, c.toX);
        EXPECT_EQ(viewState.panLastY, c.toY);
    }
}

}  // namespace
}  // namespace viewer_test
