#pragma once
// The browse and view screens and the view's presentation switches (full
// screen, hidden title bar, landscape), and how keys and the stylus on the
// main window reach them.
#include <cstdint>

#include "platform/device/window_api.h"

namespace ezo {

// Command 40088: back to the browse screen. Beeps when not allowed.
void BackToBrowse(device::HWND window);
// Command 40041: enters or leaves full screen.
void FullScreenCommand(device::HWND window);
// Command 40070: hides or shows the task bar (title bar), in any mode.
void TitleBarCommand(device::HWND window);
// Shows the title bar again before a dialog (About, Option).
void RestoreTitleBar(device::HWND window);
// Sends the command of a KeyAction to the main window.
void KeyActionCommand(int32_t action);
// WM_HOTKEY, WM_KEYDOWN and the stylus messages of the main window.
void OnHotKey(device::HWND window, int id);
void OnKeyDown(device::HWND window, uint32_t virtualKey);
void OnStylusDown(device::HWND window, int32_t x, int32_t y);
void OnStylusMove(device::HWND window, int32_t x, int32_t y);
void OnStylusUp(device::HWND window, int32_t x, uint16_t y);
void OnDoubleTap(device::HWND window);

}  // namespace ezo
