#pragma once
// The background pass that fills the thumbnail grid. The shell stops it
// before the file list is rebuilt or freed, a picture is opened, a file is
// deleted or the program ends. The pass never touches a window: it hands each
// finished thumbnail over and posts kMsgThumbnailsReady to the grid, which
// takes them on the user-interface thread and draws their cells.
#include <cstdint>
#include <vector>

#include "platform/device/messages.h"

namespace ezo {

struct Program;

// Posted to the grid window when finished thumbnails wait to be taken.
constexpr uint32_t kMsgThumbnailsReady = device::WM_USER + 0x200;

// Starts a pass over the listed folder for the grid.
void StartThumbnailGenerator();
// Ends a running pass and returns only once its thread has ended; does
// nothing when no pass was ever started.
void StopThumbnailGenerator();
// 1 while a pass's thread exists.
int ThumbnailGeneratorRunning();

// On the user-interface thread: moves every thumbnail the pass has finished
// into its entry (offsets before the bitmap) and returns the entries' 0-based
// positions in the list, in the order they were finished.
std::vector<int> TakeFinishedThumbnails(Program& program);
// No pass runs and every thumbnail it finished has been taken.
bool ThumbnailPassSettled(const Program& program);

}  // namespace ezo
