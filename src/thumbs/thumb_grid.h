#pragma once
// The thumbnail grid window ("Thumb", child 1004 of the main window): the
// listed folder's pictures as cells of three columns under its own scroll
// bar (1002). A tap highlights a cell, a double tap opens its picture, a
// hold offers Delete and File Info, the arrow keys move the highlight.
#include <cstdint>
#include <memory>

#include "platform/device/window.h"
#include "platform/gdi/device_context.h"
#include "shell/program.h"

namespace ezo {

constexpr int kIdGridScrollBar = 1002;

// The window of class "Thumb".
std::unique_ptr<device::Window> MakeThumbWindow();

// Sets the scroll range for the listed entries, draws the whole grid into
// its back buffer and copies that onto dc. For every paint, scroll, key move
// and tap, and whenever the shell lays out, resets or refills the grid.
void LayoutThumbGrid(device::HWND grid, gdi::HDC dc);
// The same on a context of the grid window taken for the call.
void RelayoutThumbGrid(device::HWND grid);

// The full path of the highlighted entry into path: 1, or 0 when no cell is
// highlighted.
int SelectedGridPath(Program& program, std::u16string& path);

}  // namespace ezo
