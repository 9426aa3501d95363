#pragma once
// The thumbnail grid's state: where it is scrolled to, the arrow keys'
// cursor, the highlighted cell, the off-screen bitmap every draw goes
// through and the grid's scroll bar. Part of the program's state
// (shell/program.h); thumbs/ draws and moves the grid, the shell resets it
// when the folder, the split or the browse view changes.
#include <cstdint>

#include "platform/device/window.h"
#include "platform/gdi/bitmap.h"

namespace ezo {

struct GridState {
    int32_t scrollY = 0;
    // The largest scrollY the scroll bar can set: content height minus the
    // grid's client height (negative when everything fits).
    int32_t maxScroll = 100;
    // 1-based index the arrow keys move; the last tap's hit (-1: none).
    int32_t cursorIndex = -1;
    // 1-based index of the highlighted entry, the file Delete and File Info
    // act on while selectionActive is 1.
    int32_t selectedIndex = 0;
    int selectionActive = 0;
    gdi::BitmapPtr backBuffer;
    // The placeholder drawn in cells without a thumbnail, loaded once.
    gdi::BitmapPtr placeholder;
    device::HWND scrollBar = nullptr;
};

// The grid starts again from its top with nothing highlighted: another
// folder is listed.
inline void ResetGridForFolder(GridState& grid) {
    grid.scrollY = 0;
    grid.selectionActive = 0;
}

}  // namespace ezo
