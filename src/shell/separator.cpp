#include "shell/separator.h"

#include "platform/device/activation.h"
#include "platform/gdi/paint.h"
#include "shell/program.h"
#include "shell/resource_ids.h"
#include "shell/shell_windows.h"

namespace ezo {

namespace {

constexpr int32_t kDragLineWidth = 5;

bool InSeparator(const Shell& shell, int32_t x, int32_t y) {
    const gdi::RECT& r = shell.separatorRect;
    return x >= r.left && x < r.right && y >= r.top && y < r.bottom;
}

bool DragRunning(device::HWND window) { return window && device::GetCapture() == window; }

}  // namespace

SplitterRelease SplitterReleaseAt(uint16_t y, int titleBarHidden) {
    const int32_t maximum = titleBarHidden ? kSplitMaximumNoTitleBar : kSplitMaximum;
    if (y >= kAboveWindowY) return {-1, kIdSplitTreeHidden};
    if (y > maximum) return {maximum, kIdSplitFilesHidden};
    return {y, kIdSplitMiddle};
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
    PlaceSeparator(program.shell, PresetSplit(presetId, program.viewState.titleBarHidden != 0), presetId);
}

void DrawDragLine(device::HWND window, int32_t y) {
    gdi::RECT client{};
    device::GetClientRect(window, &client);
    const gdi::PenPtr pen = gdi::CreatePen(gdi::PS_SOLID, kDragLineWidth, gdi::RGB(0, 0, 0));
    device::WindowDC dc(window);
    gdi::SelectScope<gdi::HPEN> select(dc, pen.get());
    const int previousMode = gdi::SetROP2(dc, gdi::R2_NOT);
    gdi::MoveToEx(dc, 0, y, nullptr);
    gdi::LineTo(dc, client.right, y);
    gdi::SetROP2(dc, previousMode);
}

void SplitterDown(device::HWND window, int32_t x, int32_t y) {
    Shell& shell = ProgramOf(window).shell;
    if (!InSeparator(shell, x, y)) return;
    device::SetCapture(window);
    DrawDragLine(window, y);
    shell.dragLineY = y;
}

void SplitterMove(device::HWND window, int32_t y) {
    if (!DragRunning(window)) return;
    Shell& shell = ProgramOf(window).shell;
    DrawDragLine(window, shell.dragLineY);
    DrawDragLine(window, y);
    shell.dragLineY = y;
}

void SplitterUp(device::HWND window, uint16_t y) {
    if (!DragRunning(window)) return;
    Program& program = ProgramOf(window);
    device::ReleaseCapture();
    DrawDragLine(window, program.shell.dragLineY);
    const SplitterRelease release = SplitterReleaseAt(y, program.viewState.titleBarHidden);
    PlaceSeparator(program.shell, release.split, release.hiddenButtonId);
}

}  // namespace ezo
