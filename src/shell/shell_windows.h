#pragma once
// Showing, hiding and placing the main window's children and menu bars: the
// operations every part of the program uses to switch between the browse
// and view screens.
#include <cstdint>

#include "platform/device/window_api.h"
#include "platform/gdi/types.h"
#include "shell/shell_state.h"

namespace ezo {

// A child of the main window by its id; null when there is none.
device::HWND ShellChild(Shell& shell, int id);

// Moves the tree, the file area, the grid's scroll bar and the split buttons
// for a separator at split; sets listAreaHeight.
void LayoutChildren(Shell& shell, int32_t split);

// Moves the separator band to split (-1: tree collapsed) and lays the
// children out for it. The split button hiddenButtonId (5303, 5304 or 5305)
// is hidden, the other two shown, at the table's places; splitRatio and
// listAreaHeight follow; the main window is repainted at once.
void PlaceSeparator(Shell& shell, int32_t split, int hiddenButtonId);

// The browse bar of BrowseView (102, 156 or 157).
void ShowBrowseBar(Shell& shell);
// The view bar of viewBarBits (149, 167, 168 or 169).
void ShowViewBar(Shell& shell);
void HideBrowseBars(Shell& shell);
// Only the report view's bar, which full-screen drawing keeps hidden.
void HideReportBar(Shell& shell);
void HideViewBars(Shell& shell);

// Shows the split buttons named by bits (never hides).
void ShowSplitButtons(Shell& shell, int bits);
void HideSplitButtons(Shell& shell);
void ShowOverlayButtons(Shell& shell, bool shown);
// The separator band as a raised, filled edge.
void ShowSeparator(Shell& shell, gdi::HDC dc);
// Puts or takes the check mark of a command in the four Tool pop-ups.
void CheckToolMenus(Shell& shell, uint16_t command, bool checked);

// Hides the tree, the file list, the grid, the notice and the split buttons.
void HideBrowseWindows(Shell& shell);
// Shows the browse screen again: the file area's window, the tree, the split
// buttons of splitButtonBits, the separator and the browse bar; the view bars
// are hidden.
void ShowBrowseWindows(Shell& shell, device::HWND window);
// Shows the window of the file area: the notice when the folder has no
// rows, else the grid when it is the browse view, else the file list.
void ShowFileArea(Shell& shell);

}  // namespace ezo
