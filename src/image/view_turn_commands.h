#pragma once
// The commands that turn the viewed picture: Right and Left, and switching
// landscape display (every picture shown turned to the left) on and off. The
// shell decides when they apply and owns the menus' check marks, which these
// report through onLandscapeCheckChanged.
#include "platform/device/window_api.h"

namespace ezo {

// Right (clockwise 1) or Left (0): turns the picture and redraws it on the
// window. Returns the turn's result.
int TurnCommand(device::HWND window, int clockwise);

// Landscape on: checked, re-centred and redrawn, which turns the picture.
// Off: unchecked; a picture already turned for it is turned back and
// redrawn. Ignored without a picture and while a transition runs (returns 0).
int LandscapeCommand(device::HWND window);

}  // namespace ezo
