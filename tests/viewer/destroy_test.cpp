// Closing the main window while the grid's thumbnail pass runs.
#include "shell/thumbnail_thread.h"
#include "viewer_fixture.h"

namespace viewer_test {
namespace {

// The pass walks the file list and the picture slot that closing frees: it
// is stopped before them.
TEST_F(ViewerTest, ClosingTheWindowStopsTheThumbnailPass) {
    StartThumbnailGenerator();
    ASSERT_EQ(ThumbnailGeneratorRunning(), 1);
    device::DestroyWindow(window_);
    window_ = nullptr;
    EXPECT_EQ(ThumbnailGeneratorRunning(), 0);
}

}  // namespace
}  // namespace viewer_test
