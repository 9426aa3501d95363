#include "app/main_window.h"

#include "app/slide_show.h"
#include "app/view_modes.h"
#include "app/view_places.h"
#include "image/draw_view.h"
#include "image/view_recentre.h"
#include "platform/controls/button.h"
#include "platform/controls/image_list.h"
#include "platform/device/messages.h"
#include "platform/device/painting.h"
#include "platform/device/screen.h"
#include "platform/gdi/device_context.h"
#include "platform/gdi/paint.h"
#include "shell/main_layout.h"
#include "shell/resource_ids.h"
#include "shell/shell_windows.h"

namespace ezo {

using device::HWND;

device::LRESULT MainWindow::WindowProc(uint32_t msg, device::WPARAM wParam, device::LPARAM lParam) {
    switch (msg) {
    case device::WM_CREATE:
        return OnCreate(this);
    case device::WM_DESTROY:
        OnDestroy(this);
        return 0;
    case device::WM_SIZE:
        OnSize(this, device::HIWORD(uintptr_t(lParam)));
        return 0;
    case device::WM_PAINT:
        OnPaint(this);
        return 0;
    case device::WM_ACTIVATE:
        OnActivate(this);
        return 0;
    case device::WM_DRAWITEM:
        OnDrawItem(this, reinterpret_cast<const void*>(lParam));
        return 0;
    case device::WM_COMMAND:
        OnCommand(this, device::LOWORD(wParam));
        return 0;
    case device::WM_NOTIFY:
        OnNotify(this, lParam);
        return 0;
    case device::WM_KEYDOWN:
        OnKeyDown(this, uint32_t(wParam));
        return 0;
    case device::WM_SETFOCUS:
        FocusBrowsePane(this);
        return 0;
    case device::WM_CHAR:
        OnChar(this, char16_t(wParam));
        return 0;
    case device::WM_MOUSEWHEEL:
        OnWheel(this, device::GET_WHEEL_DELTA_WPARAM(wParam) / device::WHEEL_DELTA,
                (device::LOWORD(wParam) & device::MK_CONTROL) != 0);
        return 0;
    case device::WM_HOTKEY:
        OnHotKey(this, int(wParam));
        return 0;
    case device::WM_LBUTTONDOWN:
        OnStylusDown(this, device::LOWORD(uintptr_t(lParam)), device::HIWORD(uintptr_t(lParam)));
        return 0;
    case device::WM_MOUSEMOVE:
        OnStylusMove(this, device::LOWORD(uintptr_t(lParam)), device::HIWORD(uintptr_t(lParam)));
        return 0;
    case device::WM_LBUTTONUP:
        OnStylusUp(this, device::LOWORD(uintptr_t(lParam)), device::HIWORD(uintptr_t(lParam)));
        return 0;
    case device::WM_LBUTTONDBLCLK:
        OnDoubleTap(this);
        return 0;
    case device::WM_TIMER:
        if (wParam == kSlideTimer) SlideShowTick(this);
        return 0;
    case device::WM_INITMENUPOPUP:
        OnMenuOpened(this);
        return 0;
    default:
        return device::DefWindowProc(this, msg, wParam, lParam);
    }
}

void OnPaint(device::HWND window) {
    Shell& shell = ProgramOf(window).shell;
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
        ShowSeparator(shell, dc);
    }
    device::EndPaint(window, &ps);
}

void OnSize(device::HWND window, int32_t clientHeight) {
    Shell& shell = ProgramOf(window).shell;
    const MainLayout l = LayoutForHeight(shell.viewRect.top, clientHeight, shell.splitRatio);
    shell.viewRect = l.viewRect;
    shell.separatorRect = l.separatorRect;
    LayoutChildren(shell, l.split);
}

void OnActivate(HWND window) {
    Program& program = ProgramOf(window);
    Shell& shell = program.shell;
    ViewState& viewState = program.viewState;
    if (viewState.fullScreen) {
        gdi::RECT r;
        device::GetClientRect(window, &r);
        viewState.titleBarHidden = 0;
        viewState.fullScreen = 0;
        // Back to the view's place below the task bar, which shows again.
        const Placement place = LeaveFullScreenPlace(r, false);
        device::MoveWindow(window, place.x, place.y, place.width, place.height, true);
        CheckToolMenus(shell, IDM_TITLE_BAR, true);
        device::SHFullScreen(window, device::SHFS_SHOWTASKBAR);
        RecentreView(viewState, 0);
        {
            device::WindowDC dc(window);
            DrawImage(window, dc, 0, 0, 0);
        }
        if (device::HWND bar = MenuBar(shell, IDR_BAR_REPORT)) device::ShowWindow(bar, device::SW_SHOW);
        ShowOverlayButtons(shell, false);
        ShowViewBar(shell);
    } else if (viewState.titleBarHidden) {
        device::SHFullScreen(window, device::SHFS_HIDETASKBAR);
    }
}

void OnDrawItem(device::HWND window, const void* item) {
    const auto* d = static_cast<const controls::DRAWITEMSTRUCT*>(item);
    if (!d) return;
    const Program& program = ProgramOf(window);
    const Shell& shell = program.shell;
    const ViewState& viewState = program.viewState;
    if (shell.browseMode) {
        const int image = SplitButtonImage(int(d->CtlID));
        if (image >= 0) controls::ImageList_Draw(shell.splitImages.get(), image, d->hDC, 0, 0, controls::ILD_TRANSPARENT);
    } else if (viewState.fullScreen) {
        const int image = OverlayButtonImage(int(d->CtlID), viewState.fitButtonOn);
        if (image >= 0)
            controls::ImageList_Draw(shell.overlayImages.get(), image, d->hDC, 0, 0, controls::ILD_TRANSPARENT);
    }
}

}  // namespace ezo
