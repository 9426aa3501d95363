#pragma once
// The program's main window: its class procedure and the parts of the shell
// that place, show and paint its children.
#include <cstdint>

#include "platform/device/window.h"
#include "app/shell/shell_windows.h"
#include "platform/gdi/types.h"

namespace device {
class DumpWriter;
}

namespace ezo {

class MainWindow final : public device::Window {
public:
    device::LRESULT WindowProc(uint32_t msg, device::WPARAM wParam, device::LPARAM lParam) override;
};

// WM_CREATE: settings, bars, children, image lists, hot keys, split.
// Returns 0, or -1 when the window cannot be built.
device::LRESULT OnCreate(device::HWND window);
// WM_DESTROY: saves the settings first, then frees everything and quits.
void OnDestroy(device::HWND window);
void OnSize(int32_t clientHeight);
void OnPaint(device::HWND window);
void OnActivate(device::HWND window);
void OnDrawItem(const void* drawItem);
// WM_COMMAND and WM_NOTIFY of the main window.
void OnCommand(device::HWND window, uint16_t id);
void OnNotify(device::HWND window, device::LPARAM lParam);

// Applies the stored start option once the children exist.
void ApplyStartOption(device::HWND window);

// Writes the shell's state as "key: value" lines for the headless dump:
// screen and mode flags, the view's zoom and offsets, the current folder,
// the file list's rows as shown, the latest file and the split (the README
// lists the keys and their format).
void DumpShellState(device::DumpWriter& out);

}  // namespace ezo
