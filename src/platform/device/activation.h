#pragma once
// Which top-level window is active, which window has the keyboard focus,
// which holds the stylus capture, and modal windows.
#include "platform/device/window.h"

namespace device {

// Activates the window's top-level window (WM_ACTIVATE to the one losing and
// the one gaining activation) and raises it; returns the previous active one.
// A disabled window is not activated (null).
HWND SetActiveWindow(HWND window);
HWND GetActiveWindow();
// Activation by a stylus tap (WA_CLICKACTIVE).
void ClickActivate(HWND window);
bool SetForegroundWindow(HWND window);
HWND GetForegroundWindow();

// WM_KILLFOCUS to the old focus, WM_SETFOCUS to the new; returns the old one.
HWND SetFocus(HWND window);
HWND GetFocus();

// While a window holds the capture, every stylus event goes to it.
HWND SetCapture(HWND window);
bool ReleaseCapture();
HWND GetCapture();

// Shows the window, disables its owner and runs a nested loop (timers and
// posted messages go on) until EndModalLoop, the window's destruction or the
// quit message; then enables the owner again, activates it and hides the
// window. Returns the result given to EndModalLoop (0 otherwise).
int RunModalLoop(HWND window);
bool EndModalLoop(HWND window, int result);
// The innermost modal window, or null.
HWND ModalWindow();
// False when a modal window keeps input from the window, or the window or one
// of its ancestors is disabled.
bool AcceptsInput(HWND window);

}  // namespace device
