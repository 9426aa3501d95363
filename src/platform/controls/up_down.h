#pragma once
// The up-down control ("msctls_updown32"): two arrows that step a number
// within a range, attached to a buddy (with UDS_AUTOBUDDY the control
// created just before it). Each step asks the parent first (UDN_DELTAPOS;
// a nonzero answer refuses it), moves the position (wrapping at the ends
// with UDS_WRAP, else stopping there), writes the number into the buddy
// (UDS_SETBUDDYINT), then tells the parent WM_VSCROLL (SB_THUMBPOSITION,
// position). The buddy's own number counts when it lies in the range;
// what is typed into the buddy beyond the range stays the buddy's.
#include <cstdint>

#include "platform/controls/notify.h"
#include "platform/device/window.h"

namespace controls {

constexpr uint32_t UDS_WRAP = 0x0001;
constexpr uint32_t UDS_SETBUDDYINT = 0x0002;
constexpr uint32_t UDS_ALIGNRIGHT = 0x0004;
constexpr uint32_t UDS_ALIGNLEFT = 0x0008;
constexpr uint32_t UDS_AUTOBUDDY = 0x0010;
constexpr uint32_t UDS_ARROWKEYS = 0x0020;
constexpr uint32_t UDS_HORZ = 0x0040;
constexpr uint32_t UDS_NOTHOUSANDS = 0x0080;

constexpr uint32_t UDM_SETRANGE = device::WM_USER + 101;  // lParam MAKELONG(upper, lower)
constexpr uint32_t UDM_GETRANGE = device::WM_USER + 102;
constexpr uint32_t UDM_SETPOS = device::WM_USER + 103;    // lParam: the position in the low word
constexpr uint32_t UDM_GETPOS = device::WM_USER + 104;
constexpr uint32_t UDM_SETBUDDY = device::WM_USER + 105;
constexpr uint32_t UDM_GETBUDDY = device::WM_USER + 106;

constexpr uint32_t UDN_DELTAPOS = 0u - 722u;
struct NMUPDOWN {
    NMHDR hdr;
    int32_t iPos = 0;
    int32_t iDelta = 0;
};

// One step of delta from pos in the range whose ends are lower and upper
// (upper may be below lower: the arrows then run the other way). With wrap,
// stepping past one end lands on the other; without, the step stops at the end.
int32_t UpDownStep(int32_t pos, int32_t delta, int32_t lower, int32_t upper, bool wrap);

bool RegisterUpDownClass();

}  // namespace controls
