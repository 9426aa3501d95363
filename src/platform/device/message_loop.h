#pragma once
// Messages to windows: sent (the window procedure runs now) or posted (queued
// for the UI thread's loop, from any thread), the quit message and the loop.
// Each turn of the loop handles the posted messages, then paints the windows
// that need it.
#include <cstdint>
#include <functional>
#include <optional>

#include "platform/device/messages.h"

namespace device {

class Window;
using HWND = Window*;

// Calls the window's procedure now. UI thread only; 0 for a window that does
// not exist or a call from another thread.
LRESULT SendMessage(HWND window, uint32_t msg, WPARAM wParam, LPARAM lParam);
// Queues the message for the UI thread. Safe from any thread. False when no
// device runs. A message to a window destroyed meanwhile is dropped.
bool PostMessage(HWND window, uint32_t msg, WPARAM wParam, LPARAM lParam);
// Ends the message loop (and any modal loop inside it) with the code.
void PostQuitMessage(int exitCode);
// The quit code once PostQuitMessage has been called.
std::optional<int> QuitCode();

// Runs the UI thread's loop until the quit message; returns its code.
int RunMessageLoop();
// Handles the messages posted so far, then paints what is invalid.
void ProcessPendingMessages();
// Number of messages waiting.
size_t PendingMessageCount();
// Called each time a modal loop (a dialog, a message box, a pop-up menu)
// starts, before it waits for input; empty to remove. The headless driver
// uses it to go on with its script inside that loop.
void SetModalLoopHook(std::function<void()> hook);

// The beep of the platform's default alert; counted by the device.
bool MessageBeep(uint32_t type);

}  // namespace device
