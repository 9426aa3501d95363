#pragma once
// The options (command 40066): a modal property sheet with the "Setting"
// and "Key" pages, filling the screen, its tabs at the bottom, closed by
// Done. The title bar comes back first when it is hidden.
#include "platform/device/window_api.h"

namespace ezo {

// Returns when the user has closed the sheet.
void ShowOptionsDialog(device::HWND mainWindow);

}  // namespace ezo
