#pragma once
// The options sheet's "Setting" page (template 132): the start option with
// its file, the slide-show interval and effect, and emptying the thumbnail
// store. Every control changes the program's Settings the moment it reports
// a change; nothing is undone when the sheet closes.
#include <cstdint>

#include "platform/device/messages.h"
#include "platform/device/window_api.h"

namespace ezo {

intptr_t SettingPageProc(device::HWND page, uint32_t msg, device::WPARAM wParam, device::LPARAM lParam);

}  // namespace ezo
