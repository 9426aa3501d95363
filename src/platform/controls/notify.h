#pragma once
// Notifications that controls send their parent as WM_NOTIFY: the common
// header every notification record starts with, and the shared codes.
#include <cstdint>

#include "platform/device/messages.h"
#include "platform/device/window_api.h"

namespace controls {

struct NMHDR {
    device::HWND hwndFrom = nullptr;
    uintptr_t idFrom = 0;
    uint32_t code = 0;
};

// Codes count down from zero, as on the handheld (stored as unsigned).
constexpr uint32_t NM_FIRST = 0u;
constexpr uint32_t NM_CLICK = NM_FIRST - 2;
constexpr uint32_t NM_DBLCLK = NM_FIRST - 3;
constexpr uint32_t NM_RETURN = NM_FIRST - 4;
constexpr uint32_t NM_SETFOCUS = NM_FIRST - 7;
constexpr uint32_t NM_KILLFOCUS = NM_FIRST - 8;

// Tap-and-hold: the gesture notification a parent receives (a GN_CONTEXTMENU
// record carries the point).
constexpr uint32_t GN_CONTEXTMENU = 1000;
struct NMRGINFO {
    NMHDR hdr;
    gdi::POINT ptAction;  // screen coordinates
    uint32_t dwItemSpec = 0;
};

// Sends a notification record to the control's parent; returns its answer.
device::LRESULT SendNotify(device::HWND control, NMHDR* header, uint32_t code);

}  // namespace controls
