#pragma once
// The stylus on the main window: panning the viewed picture, and dragging
// the separator between the folder tree and the file area.
#include <cstdint>

#include "platform/device/window_api.h"

namespace ezo {

// One pan step to stylus position (x, y), drawn straight on the window.
void PanStep(device::HWND window, int32_t x, int32_t y);
// A 5-pixel inverted line across the client area at y; twice restores.
void DrawDragLine(device::HWND window, int32_t y);
void SplitterDown(device::HWND window, int32_t x, int32_t y);
void SplitterMove(device::HWND window, int32_t y);
// y as the message carries it: 16 bits, so a release above the window reads
// 0xFFE6..0xFFFF.
void SplitterUp(device::HWND window, uint16_t y);

}  // namespace ezo
