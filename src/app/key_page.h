#pragma once
// The options sheet's "Key" page (template 135): the action of each
// hardware button, in a sorted list per button (the fifth button's list is
// not shown), and "Default". A change counts for the next press.
#include <cstdint>

#include "platform/device/messages.h"
#include "platform/device/window_api.h"

namespace ezo {

intptr_t KeyPageProc(device::HWND page, uint32_t msg, device::WPARAM wParam, device::LPARAM lParam);

}  // namespace ezo
