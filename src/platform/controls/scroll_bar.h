#pragma once
// The scroll-bar control ("scrollbar", SBS_VERT) over QScrollBar. As on the
// handheld, the bar does not move itself: a tap on an arrow or the page
// area, or a drag of the thumb, is reported to the parent as WM_VSCROLL
// (request code in the low word, the thumb position in the high word for
// SB_THUMBTRACK and SB_THUMBPOSITION, the bar in lParam), and the parent
// sets the position.
#include <cstdint>

#include "platform/device/window.h"

namespace controls {

constexpr uint32_t SBS_HORZ = 0x0000;
constexpr uint32_t SBS_VERT = 0x0001;

constexpr int SB_CTL = 2;

// WM_VSCROLL request codes.
constexpr uint16_t SB_LINEUP = 0;
constexpr uint16_t SB_LINEDOWN = 1;
constexpr uint16_t SB_PAGEUP = 2;
constexpr uint16_t SB_PAGEDOWN = 3;
constexpr uint16_t SB_THUMBPOSITION = 4;
constexpr uint16_t SB_THUMBTRACK = 5;
constexpr uint16_t SB_TOP = 6;
constexpr uint16_t SB_BOTTOM = 7;
constexpr uint16_t SB_ENDSCROLL = 8;

constexpr uint32_t SIF_RANGE = 0x0001;
constexpr uint32_t SIF_PAGE = 0x0002;
constexpr uint32_t SIF_POS = 0x0004;
constexpr uint32_t SIF_DISABLENOSCROLL = 0x0008;
constexpr uint32_t SIF_TRACKPOS = 0x0010;
constexpr uint32_t SIF_ALL = SIF_RANGE | SIF_PAGE | SIF_POS | SIF_TRACKPOS;

struct SCROLLINFO {
    uint32_t cbSize = sizeof(SCROLLINFO);
    uint32_t fMask = 0;
    int32_t nMin = 0;
    int32_t nMax = 0;
    uint32_t nPage = 0;
    int32_t nPos = 0;
    int32_t nTrackPos = 0;
};

// Messages the scroll-bar control answers (the calls below send them).
constexpr uint32_t SBM_SETPOS = 0x00E0;
constexpr uint32_t SBM_GETPOS = 0x00E1;
constexpr uint32_t SBM_SETSCROLLINFO = 0x00E9;
constexpr uint32_t SBM_GETSCROLLINFO = 0x00EA;

// The highest position the thumb can reach: nMax - nPage + 1, not below nMin.
int32_t MaxScrollPos(int32_t nMin, int32_t nMax, uint32_t nPage);
// Whether the range needs scrolling at all.
bool ScrollNeeded(int32_t nMin, int32_t nMax, uint32_t nPage);

// bar must be SB_CTL with a scroll-bar control as window. SetScrollInfo
// returns the new position; GetScrollInfo fills the fields of fMask.
int32_t SetScrollInfo(device::HWND window, int bar, const SCROLLINFO* info, bool redraw);
bool GetScrollInfo(device::HWND window, int bar, SCROLLINFO* info);
// Returns the previous position.
int32_t SetScrollPos(device::HWND window, int bar, int32_t pos, bool redraw);
int32_t GetScrollPos(device::HWND window, int bar);

// Registers "scrollbar".
bool RegisterScrollBarClass();

}  // namespace controls
