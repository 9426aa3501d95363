#pragma once
// The zoom steps and the commands that change the zoom.
#include <cstdint>

#include "platform/device/window_api.h"

namespace ezo {

// The next zoom of the zoom-in ladder; a large picture takes finer steps
// below 0.2. At or past 7.0 the zoom stays.
float NextZoomIn(float zoom, bool isLarge);

// The next zoom of the zoom-out ladder: a large picture goes down to about
// its fit zoom, any other picture to about 0.3.
float NextZoomOut(float zoom, bool isLarge, float fitZoom);

// Whether a width x height picture at zoom would be drawn less than a pixel
// wide or tall.
bool DrawnAtZeroSize(int32_t width, int32_t height, float zoom);

// Zoom commands on the viewed picture. Each leaves fit mode, remembers the
// zoom in previousZoom, keeps the view's centre point and redraws, also when
// the zoom is at its limit.
void ZoomIn(device::HWND window);   // redraws by invalidating the window
void ZoomOut(device::HWND window);  // redraws at once

// Back to zoom 1.0 on the middle of the picture, leaving fit mode.
void ZoomActual(device::HWND window);

// Fit mode on or off; the next draw sets the fitted zoom.
void ToggleFit(device::HWND window);

}  // namespace ezo
