#pragma once
// Timer 1 of the main window: one slide-show step every slideSeconds.
#include "platform/device/window_api.h"

namespace ezo {

// (Re)starts timer 1 with the full period and records that it was set.
void StartSlideTimer(device::HWND window);
// Kills timer 1 when it was started; harmless otherwise.
void StopSlideTimer(device::HWND window);

}  // namespace ezo
