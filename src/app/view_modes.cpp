#include "app/view_modes.h"

namespace ezo {

void BackToBrowse(device::HWND) {}
void FullScreenCommand(device::HWND) {}
void TitleBarCommand(device::HWND) {}
void RestoreTitleBar(device::HWND) {}
void KeyActionCommand(int32_t) {}
void OnHotKey(device::HWND, int) {}
void OnKeyDown(device::HWND, uint32_t) {}
void OnStylusDown(device::HWND, int32_t, int32_t) {}
void OnStylusMove(device::HWND, int32_t, int32_t) {}
void OnStylusUp(device::HWND, int32_t, uint16_t) {}
void OnDoubleTap(device::HWND) {}

}  // namespace ezo
