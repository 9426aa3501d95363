#pragma once
// What the parts of the window system tell each other; not for program code.
#include "platform/device/window.h"

class QEventLoop;
class QWidget;

namespace device::internal {

// window.cpp
void FreeIfPending(HWND window);
bool IsLive(HWND window);
// The deepest visible window at the screen point, or null.
HWND WindowFromPoint(gdi::POINT screen);
// Restacks a window's siblings' widgets to the z-order list.
void RestackWidgets(HWND parent);

// activation.cpp: the window is going away or being hidden.
void WindowHidden(HWND window);
void WindowDestroyed(HWND window);
void ResetActivation();
// message_loop.cpp
void DropPostedMessages(HWND window);
void RequestTurn();
void ResetMessageLoop();
void EnterDispatch(HWND window);
void PushLoop(QEventLoop* loop);
void PopLoop(QEventLoop* loop);
void LeaveDispatch(HWND window);
// painting.cpp
void SizeChanged(HWND window);
void ForgetPainting(HWND window);
void InvalidateWhole(HWND window, bool erase);
// hot_keys.cpp
void ForgetHotKeys(HWND window);
void ResetHotKeys();

// screen.cpp
QWidget* ScreenLayer();
void RaiseScreenOverlays();
void ActiveWindowChanged();
void TitleChanged(HWND window);
// device.cpp
void CountBeep();

}  // namespace device::internal
