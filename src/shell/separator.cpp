#include "shell/separator.h"

#include "platform/device/activation.h"
#include "platform/device/window.h"
#include "shell/drag_line.h"
#include "shell/program.h"
#include "shell/resource_ids.h"
#include "shell/shell_windows.h"

namespace ezo {

namespace {

bool InSeparator(const Shell& shell, int32_t x, int32_t y) {
    const gdi::RECT& r = shell.separatorRect;
    return x >= r.left && x < r.right && y >= r.top && y < r.bottom;
}

bool DragRunning(device::HWND window) { return window && device::GetCapture() == window; }

void RemoveDragLine(Shell& shell) {
    if (shell.dragLine && device::IsWindow(shell.dragLine)) device::DestroyWindow(shell.dragLine);
    shell.dragLine = nullptr;
}

// A grid on show starts again from its top at its new height; the move
// repaints it.
void ResetGridForSplit(Program& program) {
    device::HWND grid = program.shell.thumbGrid;
    if (!grid || !device::IsWindowVisible(grid)) return;
    program.grid.scrollY = 0;
    device::InvalidateRect(grid, nullptr, false);
}

}  // namespace

SplitterRelease SplitterReleaseAt(uint16_t y, int titleBarHidden) {
    const int32_t maximum = titleBarHidden ? kSplitMaximumNoTitleBar : kSplitMaximum;
    const int32_t row = static_cast<int16_t>(y);
    if (row < 0) return {-1, kIdSplitTreeHidden};
    if (row > maximum) return {maximum, kIdSplitFilesHidden};
    return {row, kIdSplitMiddle};
}

int32_t PresetSplit(int presetId, bool titleBarHidden) {
    switch (presetId) {
    case IDC_SPLIT_TREE_HIDDEN: return -1;
    case IDC_SPLIT_MIDDLE: return 120;
    default: return titleBarHidden ? kSplitMaximumNoTitleBar : kSplitMaximum;
    }
}

void SplitPreset(device::HWND window, int presetId) {
    Program& program = ProgramOf(window);
    ResetGridForSplit(program);
    PlaceSeparator(program.shell, PresetSplit(presetId, program.viewState.titleBarHidden != 0), presetId);
}

void SplitterDown(device::HWND window, int32_t x, int32_t y) {
    Shell& shell = ProgramOf(window).shell;
    if (!InSeparator(shell, x, y)) return;
    device::SetCapture(window);
    RemoveDragLine(shell);
    shell.dragLine = ShowDragLine(window, y);
}

void SplitterMove(device::HWND window, int32_t y) {
    if (!DragRunning(window)) return;
    MoveDragLine(ProgramOf(window).shell.dragLine, y);
}

void SplitterUp(device::HWND window, uint16_t y) {
    Program& program = ProgramOf(window);
    // A drag whose capture was taken away still leaves no line behind.
    RemoveDragLine(program.shell);
    if (!DragRunning(window)) return;
    device::ReleaseCapture();
    const SplitterRelease release = SplitterReleaseAt(y, program.viewState.titleBarHidden);
    ResetGridForSplit(program);
    PlaceSeparator(program.shell, release.split, release.hiddenButtonId);
}

}  // namespace ezo
