#pragma once
// The slide show: timer 1 steps through the folder, turning at either end;
// with a cover effect the transition hands the timer back at its end.
#include "platform/device/window_api.h"

namespace ezo {

// Command 40086: only with a picture loaded on the view screen.
void StartSlideShow(device::HWND window);
// Command 40093: always accepted; a running transition completes.
void StopSlideShow(device::HWND window);
// WM_TIMER of timer 1.
void SlideShowTick(device::HWND window);
// WM_INITMENUPOPUP: stops show and transition and draws the final frame.
void OnMenuOpened(device::HWND window);

}  // namespace ezo
