#include "shell/main_layout.h"

#include <gtest/gtest.h>

#include "shell/shell_state.h"

namespace ezo {
namespace {

TEST(MainLayoutTest, SizingFollowsTheSplitShare) {
    struct Case { int32_t height, split, treeHeight, fileTop, fileHeight, listAreaHeight; } cases[] = {
        {268, 77, 78, 86, 157, 158},  // 0.29 x 268 = 77.72
        {320, 92, 93, 101, 194, 195},
        {294, 85, 86, 94, 175, 176},   // full screen: no menu bar
        {0, 0, 1, 9, 0, 0},            // too low for a file area: empty, never negative
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.height);
        const MainLayout l = LayoutForHeight(0, c.height, kInitialSplitRatio);
        EXPECT_EQ(l.split, c.split);
        EXPECT_EQ(l.separatorRect, (gdi::RECT{0, c.split, 240, c.split + 9}));
        EXPECT_EQ(l.viewRect, (gdi::RECT{0, 0, 240, c.height}));
        EXPECT_EQ(l.tree, (Placement{0, 0, 240, c.treeHeight}));
        EXPECT_EQ(l.fileArea, (Placement{0, c.fileTop, 240, c.fileHeight}));
        EXPECT_EQ(l.scrollBar, (Placement{227, 0, 13, c.fileHeight}));
        EXPECT_EQ(l.splitTreeHidden, (Placement{8, c.split + 1, 7, 7}));
        EXPECT_EQ(l.splitFilesHidden, (Placement{32, c.split + 1, 7, 7}));
        EXPECT_EQ(l.splitMiddle, (Placement{32, c.split + 1, 7, 7}));
        EXPECT_EQ(l.listAreaHeight, c.listAreaHeight);
    }
}

TEST(MainLayoutTest, SplitRowTruncatesAndSurvivesWildRatios) {
    struct Case { int32_t top, bottom; double ratio; int32_t split; } cases[] = {
        {0, 268, 0.29, 77},
        {10, 278, 0.29, 87},  // counted from the top
        {0, 268, 0.0, 0},
        {0, 268, 1.0, 268},
        {0, 268, 1e300, 2147483647},  // saturates instead of overflowing
        {0, 268, -1e300, -2147483647 - 1},
        {0, 268, 0.0 / 0.0, 0},
    };
    for (const Case& c : cases) EXPECT_EQ(SplitRow(c.top, c.bottom, c.ratio), c.split) << c.ratio;
}

}  // namespace
}  // namespace ezo
