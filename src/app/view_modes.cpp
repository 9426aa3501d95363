// The switches between the browse and view screens, and the view's full
// screen and hidden title bar.
#include "app/view_modes.h"

#include "app/resource_ids.h"
#include "app/shell/shell_state.h"
#include "app/shell/shell_windows.h"
#include "app/shell/thumbnail_thread.h"
#include "app/view_places.h"
#include "image/view_recentre.h"
#include "image/view_state.h"
#include "platform/device/message_loop.h"
#include "platform/device/screen.h"
#include "platform/device/window.h"
#include "platform/gdi/paint.h"

namespace ezo {

namespace {

using device::HWND;

constexpr char16_t kBrowseTitle[] = u"Ezo";

gdi::RECT ClientRect(HWND window) {
    gdi::RECT r;
    device::GetClientRect(window, &r);
    return r;
}

void MoveTo(HWND window, const Placement& p) { device::MoveWindow(window, p.x, p.y, p.width, p.height, true); }

void EnterFullScreen(HWND window) {
    const gdi::Bitmap* picture = viewState.currentImage.get();
    const int32_t pictureHeight = picture ? picture->height() : 0;
    if (viewState.effectRunning) return;
    viewState.fullScreen = 1;
    device::SHFullScreen(window, device::SHFS_HIDETASKBAR);
    MoveTo(window, EnterFullScreenPlace(ClientRect(window), viewState.titleBarHidden != 0));
    // The view grew: keep the picture's bottom edge from rising into the screen.
    viewState.yOffset =
        FullScreenYOffset(viewState.yOffset, pictureHeight, viewState.zoom, ClientRect(window).bottom);
    device::InvalidateRect(window, nullptr, false);
    HideViewBars();
    ShowOverlayButtons(true);
}

void LeaveFullScreen(HWND window) {
    if (!viewState.titleBarHidden) device::SHFullScreen(window, device::SHFS_SHOWTASKBAR);
    viewState.fullScreen = 0;
    MoveTo(window, LeaveFullScreenPlace(ClientRect(window), viewState.titleBarHidden != 0));
    device::InvalidateRect(window, nullptr, false);
    ShowViewBar();
    ShowOverlayButtons(false);
}

void ShowTitleBar(HWND window) {
    viewState.titleBarHidden = 0;
    CheckToolMenus(IDM_TITLE_BAR, true);
    device::SHFullScreen(window, device::SHFS_SHOWTASKBAR);
}

}  // namespace

void BackToBrowse(HWND window) {
    if (shell.browseMode || shell.slideShowRunning || viewState.effectRunning) {
        device::MessageBeep(device::MB_DEFAULT_BEEP);
        return;
    }
    device::WindowDC dc(window);
    gdi::RECT client = ClientRect(window);
    shell.browseMode = 1;
    device::SetWindowText(window, kBrowseTitle);
    viewState.imageLoaded = 0;
    viewState.currentImage.reset();
    gdi::FillRect(dc, &client, gdi::GetStockBrush(gdi::WHITE_BRUSH));
    if (shell.thumbRestartPending) {
        StartThumbnailGenerator();
        shell.thumbRestartPending = 0;
    }
    ShowFileArea();
    shell.viewBarBits &= ~1;
    HideViewBars();
    ShowBrowseBar();
    if (shell.tree) device::ShowWindow(shell.tree, device::SW_SHOW);
    ShowSeparator(dc);
    ShowSplitButtons(shell.splitButtonBits);
}

void FullScreenCommand(HWND window) {
    if (!viewState.imageLoaded || shell.browseMode) return;
    if (viewState.fullScreen)
        LeaveFullScreen(window);
    else
        EnterFullScreen(window);
}

void TitleBarCommand(HWND window) {
    const gdi::RECT client = ClientRect(window);
    if (viewState.titleBarHidden) {
        ShowTitleBar(window);
        MoveTo(window, ShowTitleBarPlace(client));
        return;
    }
    viewState.titleBarHidden = 1;
    CheckToolMenus(IDM_TITLE_BAR, false);
    device::SHFullScreen(window, device::SHFS_HIDETASKBAR);
    MoveTo(window, HideTitleBarPlace(client));
}

void RestoreTitleBar(HWND window) {
    if (!viewState.titleBarHidden) return;
    const gdi::RECT client = ClientRect(window);
    ShowTitleBar(window);
    RecentreView(0);
    MoveTo(window, ShowTitleBarPlace(client));
}

}  // namespace ezo
