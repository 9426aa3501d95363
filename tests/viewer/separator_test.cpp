// Where a separator drag leaves the separator.
#include "platform/device/activation.h"
#include "shell/separator.h"
#include "viewer_fixture.h"

namespace viewer_test {
namespace {

TEST(SplitterRelease, WhereTheSeparatorStops) {
    struct Case { uint16_t y; int titleBarHidden; SplitterRelease release; } cases[] = {
        {100, 0, {100, kIdSplitMiddle}},          {260, 0, {260, kIdSplitMiddle}},
        {261, 0, {260, kIdSplitFilesHidden}},     {300, 1, {286, kIdSplitFilesHidden}},
        {0xFFF6, 0, {-1, kIdSplitTreeHidden}},    {0xFFE6, 1, {-1, kIdSplitTreeHidden}},
        {0xFFE5, 0, {-1, kIdSplitTreeHidden}},   // above the screen too
        {0x8000, 0, {-1, kIdSplitTreeHidden}},    {0x7FFF, 1, {286, kIdSplitFilesHidden}},
    };
    for (const Case& c : cases) EXPECT_EQ(SplitterReleaseAt(c.y, c.titleBarHidden), c.release) << c.y;
}

// The stylus on the separator band drags it (client rows are screen rows
// less 26).
TEST_F(ViewerTest, OnlyADragFromTheBandMovesTheSeparator) {
    const Shell& shell = program().shell;
    const gdi::RECT band = shell.separatorRect;
    // The band's first and last rows and columns take the stylus; the rows
    // around it do not.
    const struct { int32_t x, y; bool drags; } downs[] = {
        {band.left, band.top, true}, {band.right - 1, band.bottom - 1, true},
        {100, band.top - 1, false}, {100, band.bottom, false}};
    for (const auto& d : downs) {
        SplitterDown(window_, d.x, d.y);
        EXPECT_EQ(device::GetCapture() == window_, d.drags) << d.x << ", " << d.y;
        SplitterUp(window_, d.drags ? uint16_t(band.top) : 150);
        EXPECT_EQ(shell.separatorRect, band);
    }

    dev().stylusDown(100, 26 + band.top + 4);
    EXPECT_EQ(device::GetCapture(), window_);
    dev().stylusMove(100, 26 + 150);
    dev().stylusUp(100, 26 + 100);
    EXPECT_EQ(device::GetCapture(), nullptr);
    EXPECT_EQ(shell.separatorRect, (gdi::RECT{0, 100, 240, 109}));
    EXPECT_EQ(shell.tree->data().rect.height(), 101);
    EXPECT_EQ(shell.splitButtonBits, 3);
}

}  // namespace
}  // namespace viewer_test
