#pragma once
// Panning the viewed picture with the stylus.
#include <cstdint>

#include "platform/device/window_api.h"

namespace ezo {

// One pan step to stylus position (x, y), drawn straight on the window.
void PanStep(device::HWND window, int32_t x, int32_t y);

}  // namespace ezo
