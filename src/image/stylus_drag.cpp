#include "image/stylus_drag.h"

#include "app/shell/shell_state.h"
#include "app/shell/shell_windows.h"
#include "image/draw_view.h"
#include "image/view_state.h"
#include "platform/device/activation.h"
#include "platform/gdi/paint.h"

namespace ezo {

namespace {

constexpr int32_t kDragLineWidth = 5;

// y of the drag line on the screen now.
int32_t dragLineY = 0;

bool InSeparator(int32_t x, int32_t y) {
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

void PanStep(device::HWND window, int32_t x, int32_t y) {
    ViewState& v = viewState;
    {
        device::WindowDC dc(window);
        DrawImage(window, dc, x - v.panLastX, y - v.panLastY, 0);
    }
    v.panLastX = x;
    v.panLastY = y;
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
    if (!InSeparator(x, y)) return;
    device::SetCapture(window);
    DrawDragLine(window, y);
    dragLineY = y;
}

void SplitterMove(device::HWND window, int32_t y) {
    if (!DragRunning(window)) return;
    DrawDragLine(window, dragLineY);
    DrawDragLine(window, y);
    dragLineY = y;
}

void SplitterUp(device::HWND window, uint16_t y) {
    if (!DragRunning(window)) return;
    device::ReleaseCapture();
    DrawDragLine(window, dragLineY);
    const SplitterRelease release = SplitterReleaseAt(y, viewState.titleBarHidden);
    PlaceSeparator(release.split, release.hiddenButtonId);
}

}  // namespace ezo
