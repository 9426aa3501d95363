#pragma once
// The program's main window: its class procedure and the parts of the shell
// that place, show and paint its children.
#include <cstdint>

#include "platform/device/window.h"
#include "platform/gdi/types.h"

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

// Moves the tree, the file area, the grid's scroll bar and the split buttons
// for a separator at split; sets listAreaHeight.
void LayoutChildren(int32_t split);
// Applies the stored start option once the children exist.
void ApplyStartOption(device::HWND window);

void ShowBrowseBar();
void ShowViewBar();
void ShowSplitButtons(int bits);
void ShowSeparator(gdi::HDC dc);
// Puts or takes the check mark of a command in the four Tool pop-ups.
void CheckToolMenus(uint16_t command, bool checked);

}  // namespace ezo
