#include "app/main_window.h"

#include "app/shell_state.h"
#include "image/draw_view.h"
#include "platform/device/messages.h"
#include "platform/device/painting.h"
#include "platform/gdi/device_context.h"
#include "platform/gdi/paint.h"

namespace ezo {

device::LRESULT MainWindow::WindowProc(uint32_t msg, device::WPARAM wParam, device::LPARAM lParam) {
    switch (msg) {
    case device::WM_CREATE:
        return OnCreate(this);
    case device::WM_DESTROY:
        OnDestroy(this);
        return 0;
    case device::WM_SIZE:
        OnSize(device::HIWORD(uintptr_t(lParam)));
        return 0;
    case device::WM_PAINT:
        OnPaint(this);
        return 0;
    case device::WM_ACTIVATE:
        OnActivate(this);
        return 0;
    case device::WM_DRAWITEM:
        OnDrawItem(reinterpret_cast<const void*>(lParam));
        return 0;
    case device::WM_COMMAND:
        OnCommand(this, device::LOWORD(wParam));
        return 0;
    case device::WM_NOTIFY:
        OnNotify(this, lParam);
        return 0;
    default:
        return device::DefWindowProc(this, msg, wParam, lParam);
    }
}

void OnPaint(device::HWND window) {
    if (!shell.browseMode) {
        device::ValidateRect(window, nullptr);
        DrawView(window, 0, 0);
        return;
    }
    device::PAINTSTRUCT ps;
    gdi::HDC dc = device::BeginPaint(window, &ps);
    if (dc) {
        gdi::RECT client;
        device::GetClientRect(window, &client);
        gdi::FillRect(dc, &client, gdi::GetStockBrush(gdi::WHITE_BRUSH));
        ShowSeparator(dc);
    }
    device::EndPaint(window, &ps);
}

}  // namespace ezo
