#pragma once
// Drawing the viewed picture into the main window.
#include <cstdint>

#include "platform/device/window_api.h"

namespace ezo {

// Draws the current picture into `target`, first taking the pan step (dx,
// dy); with erase 1 the client rectangle is filled white first. Turns the
// picture for landscape display when that is on and not yet done. With no
// picture only the white background is drawn. Returns 1 when the picture
// was drawn.
int DrawImage(device::HWND window, gdi::HDC target, int32_t dx, int32_t dy, int erase);

// Paints one complete frame: composes it off screen (240 x client height)
// and transfers it to the window with its top-left corner at (x, y).
int DrawView(device::HWND window, int32_t x, int32_t y);

}  // namespace ezo
