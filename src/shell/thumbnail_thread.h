#pragma once
// The background pass that fills the thumbnail grid. The shell stops it
// before the file list is rebuilt or freed, a picture is opened, a file is
// deleted, the store is emptied or the program ends. The pass never touches
// a window or the list: it works on copies taken at its start, hands each
// finished thumbnail over and posts kMsgThumbnailsReady to the grid, which
// takes them on the user-interface thread and draws their cells.
#include <cstdint>
#include <vector>

#include "platform/device/messages.h"
#include "shell/thumbnail_pass_state.h"

namespace ezo {

struct Program;

// Posted to the grid window when finished thumbnails wait to be taken.
constexpr uint32_t kMsgThumbnailsReady = device::WM_USER + 0x200;

// Ends any pass, then starts one over the listed folder's entries that have
// no thumbnail yet, on a thread below normal priority. Nothing starts until
// the program has installed the pass procedure.
void StartThumbnailGenerator(Program& program);
// Ends a running pass and returns only once its thread has ended; the
// thumbnails finished by then go into their entries. Does nothing when no
// pass was started since the last stop.
void StopThumbnailGenerator(Program& program);
// 1 from a pass's start until it is stopped (also once it has finished).
int ThumbnailGeneratorRunning(const Program& program);

// On the user-interface thread: moves every thumbnail the pass has finished
// into its entry (offsets before the bitmap) and returns the entries' 0-based
// positions in the list, in the order they were finished.
std::vector<int> TakeFinishedThumbnails(Program& program);
// No pass runs and every thumbnail it finished has been taken.
bool ThumbnailPassSettled(const Program& program);

// For the pass, on its thread: whether it has been told to stop, and the
// hand-over of one finished thumbnail (the grid is told when the queue was
// empty; one message collects everything waiting).
bool ThumbnailPassCancelled(const ThumbnailJob& job);
void HandOverThumbnail(ThumbnailJob& job, FinishedThumbnail thumbnail);

}  // namespace ezo
