#pragma once
// The browse and view screens and the view's presentation switches (full
// screen, hidden title bar, landscape).
#include <cstdint>

#include "platform/device/window_api.h"

namespace ezo {

// Command 40088: back to the browse screen. Beeps when not allowed.
void BackToBrowse(device::HWND window);
// Command 40041: enters or leaves full screen.
void FullScreenCommand(device::HWND window);
// Command 40070: hides or shows the task bar (title bar), in any mode.
void TitleBarCommand(device::HWND window);
// Shows the title bar again before a dialog (About, Option).
void RestoreTitleBar(device::HWND window);

}  // namespace ezo
