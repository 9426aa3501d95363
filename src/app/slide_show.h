#pragma once
// The slide show: timer 1 steps through the folder, turning at either end;
// with a cover effect, timer 2 moves the new picture in and the interval to
// the next starts once it has arrived. Its tick and the menu that stops it
// are main-window handlers (main_window.h).
#include "platform/device/window_api.h"

namespace ezo {

// Command 40086: only with a picture loaded on the view screen.
void StartSlideShow(device::HWND window);
// Command 40093: always accepted; a running transition completes.
void StopSlideShow(device::HWND window);
// The interval changed: a running show waits the new interval from now on
// (during a cover transition, the transition's end starts it).
void RestartSlideTimer(device::HWND window);

}  // namespace ezo
