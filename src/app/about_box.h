#pragma once
// The About box (command 40015): full screen with Done; the title bar comes
// back first when it is hidden.
#include "platform/device/window_api.h"

namespace ezo {

void ShowAboutBox(device::HWND mainWindow);

}  // namespace ezo
