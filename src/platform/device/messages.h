#pragma once
// Message numbers, parameter packing and the other constants of the window
// system, with the handheld's values so that window procedures read the same.
#include <cstdint>

namespace device {

using WPARAM = uintptr_t;
using LPARAM = intptr_t;
using LRESULT = intptr_t;

constexpr uint32_t WM_NULL = 0x0000;
constexpr uint32_t WM_CREATE = 0x0001;
constexpr uint32_t WM_DESTROY = 0x0002;
constexpr uint32_t WM_MOVE = 0x0003;
constexpr uint32_t WM_SIZE = 0x0005;
constexpr uint32_t WM_ACTIVATE = 0x0006;
constexpr uint32_t WM_SETFOCUS = 0x0007;
constexpr uint32_t WM_KILLFOCUS = 0x0008;
constexpr uint32_t WM_ENABLE = 0x000A;
constexpr uint32_t WM_SETTEXT = 0x000C;
constexpr uint32_t WM_PAINT = 0x000F;
constexpr uint32_t WM_CLOSE = 0x0010;
constexpr uint32_t WM_QUIT = 0x0012;
constexpr uint32_t WM_ERASEBKGND = 0x0014;
constexpr uint32_t WM_SHOWWINDOW = 0x0018;
constexpr uint32_t WM_SETTINGCHANGE = 0x001A;
constexpr uint32_t WM_DRAWITEM = 0x002B;
constexpr uint32_t WM_NOTIFY = 0x004E;
constexpr uint32_t WM_KEYDOWN = 0x0100;
constexpr uint32_t WM_KEYUP = 0x0101;
constexpr uint32_t WM_CHAR = 0x0102;
constexpr uint32_t WM_COMMAND = 0x0111;
constexpr uint32_t WM_TIMER = 0x0113;
constexpr uint32_t WM_HSCROLL = 0x0114;
constexpr uint32_t WM_VSCROLL = 0x0115;
constexpr uint32_t WM_INITMENUPOPUP = 0x0117;
constexpr uint32_t WM_MOUSEMOVE = 0x0200;
constexpr uint32_t WM_LBUTTONDOWN = 0x0201;
constexpr uint32_t WM_LBUTTONUP = 0x0202;
constexpr uint32_t WM_LBUTTONDBLCLK = 0x0203;
constexpr uint32_t WM_MOUSEWHEEL = 0x020A;
constexpr uint32_t WM_HOTKEY = 0x0312;
constexpr uint32_t WM_USER = 0x0400;

// WM_ACTIVATE, low word of wParam.
constexpr uint16_t WA_INACTIVE = 0;
constexpr uint16_t WA_ACTIVE = 1;
constexpr uint16_t WA_CLICKACTIVE = 2;

// WM_SIZE, wParam.
constexpr WPARAM SIZE_RESTORED = 0;

// Stylus messages, wParam.
constexpr WPARAM MK_LBUTTON = 0x0001;
constexpr WPARAM MK_CONTROL = 0x0008;

// WM_MOUSEWHEEL: the keys held in the low word of wParam, the turn in the
// high word, in multiples of WHEEL_DELTA per notch (positive: away from the
// user); lParam the pointer in screen pixels.
constexpr int32_t WHEEL_DELTA = 120;
// WM_VSCROLL requests of one line, which an unhandled wheel notch becomes.
constexpr uint16_t SB_LINEUP = 0;
constexpr uint16_t SB_LINEDOWN = 1;

// Window styles.
constexpr uint32_t WS_OVERLAPPED = 0x00000000;
constexpr uint32_t WS_POPUP = 0x80000000;
constexpr uint32_t WS_CHILD = 0x40000000;
constexpr uint32_t WS_VISIBLE = 0x10000000;
constexpr uint32_t WS_DISABLED = 0x08000000;
constexpr uint32_t WS_CLIPSIBLINGS = 0x04000000;
constexpr uint32_t WS_CLIPCHILDREN = 0x02000000;
constexpr uint32_t WS_CAPTION = 0x00C00000;
constexpr uint32_t WS_BORDER = 0x00800000;
constexpr uint32_t WS_VSCROLL = 0x00200000;
constexpr uint32_t WS_HSCROLL = 0x00100000;
constexpr uint32_t WS_SYSMENU = 0x00080000;
constexpr uint32_t WS_TABSTOP = 0x00010000;

// Class styles.
constexpr uint32_t CS_VREDRAW = 0x0001;
constexpr uint32_t CS_HREDRAW = 0x0002;
constexpr uint32_t CS_DBLCLKS = 0x0008;

// Position or size chosen by the system.
constexpr int32_t CW_USEDEFAULT = int32_t(0x80000000);

// ShowWindow.
constexpr int SW_HIDE = 0;
constexpr int SW_SHOWNORMAL = 1;
constexpr int SW_SHOWNOACTIVATE = 4;
constexpr int SW_SHOW = 5;
constexpr int SW_MINIMIZE = 6;
constexpr int SW_SHOWNA = 8;

// SetWindowPos.
class Window;
inline Window* const HWND_TOP = nullptr;
inline Window* const HWND_BOTTOM = reinterpret_cast<Window*>(uintptr_t(1));
inline Window* const HWND_TOPMOST = reinterpret_cast<Window*>(intptr_t(-1));
constexpr uint32_t SWP_NOSIZE = 0x0001;
constexpr uint32_t SWP_NOMOVE = 0x0002;
constexpr uint32_t SWP_NOZORDER = 0x0004;
constexpr uint32_t SWP_NOREDRAW = 0x0008;
constexpr uint32_t SWP_NOACTIVATE = 0x0010;
constexpr uint32_t SWP_SHOWWINDOW = 0x0040;
constexpr uint32_t SWP_HIDEWINDOW = 0x0080;

// Virtual keys.
constexpr uint32_t VK_BACK = 0x08;
constexpr uint32_t VK_TAB = 0x09;
constexpr uint32_t VK_RETURN = 0x0D;
constexpr uint32_t VK_SHIFT = 0x10;
constexpr uint32_t VK_CONTROL = 0x11;
constexpr uint32_t VK_MENU = 0x12;
constexpr uint32_t VK_ESCAPE = 0x1B;
constexpr uint32_t VK_SPACE = 0x20;
constexpr uint32_t VK_PRIOR = 0x21;
constexpr uint32_t VK_NEXT = 0x22;
constexpr uint32_t VK_END = 0x23;
constexpr uint32_t VK_HOME = 0x24;
constexpr uint32_t VK_LEFT = 0x25;
constexpr uint32_t VK_UP = 0x26;
constexpr uint32_t VK_RIGHT = 0x27;
constexpr uint32_t VK_DOWN = 0x28;
constexpr uint32_t VK_DELETE = 0x2E;
constexpr uint32_t VK_F1 = 0x70;
// The five application buttons.
constexpr uint32_t VK_APP1 = 0xC1;
constexpr uint32_t VK_APP5 = 0xC5;

// Hot-key and accelerator modifiers.
constexpr uint32_t MOD_ALT = 0x0001;
constexpr uint32_t MOD_CONTROL = 0x0002;
constexpr uint32_t MOD_SHIFT = 0x0004;
constexpr uint32_t MOD_WIN = 0x0008;

// MessageBeep.
constexpr uint32_t MB_DEFAULT_BEEP = 0;

constexpr uint16_t LOWORD(uintptr_t v) { return uint16_t(v & 0xFFFF); }
constexpr uint16_t HIWORD(uintptr_t v) { return uint16_t((v >> 16) & 0xFFFF); }
// Two 16-bit halves, low first; negative values keep their two's complement.
constexpr LPARAM MAKELPARAM(int32_t low, int32_t high) {
    return LPARAM((uint32_t(uint16_t(low)) | (uint32_t(uint16_t(high)) << 16)));
}
constexpr WPARAM MAKEWPARAM(int32_t low, int32_t high) { return WPARAM(uint32_t(MAKELPARAM(low, high))); }
// Signed halves, for coordinates that may lie above or left of the window.
constexpr int32_t GET_X_LPARAM(LPARAM v) { return int16_t(LOWORD(uintptr_t(v))); }
constexpr int32_t GET_Y_LPARAM(LPARAM v) { return int16_t(HIWORD(uintptr_t(v))); }
constexpr int32_t GET_WHEEL_DELTA_WPARAM(WPARAM v) { return int16_t(HIWORD(uintptr_t(v))); }

}  // namespace device
