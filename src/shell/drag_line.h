#pragma once
// The line that follows a separator drag: a thin black child window kept
// above the tree and the file area. Those are widgets of their own, so a line
// drawn on the main window itself would stay hidden under them until release.
#include <cstdint>

#include "platform/device/window_api.h"

namespace ezo {

// A line 5 pixels thick centred on row y of the parent, across its width.
device::HWND ShowDragLine(device::HWND parent, int32_t y);
void MoveDragLine(device::HWND line, int32_t y);

}  // namespace ezo
