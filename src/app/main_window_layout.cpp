// Placing, showing and painting the main window's parts.
#include "app/main_layout.h"
#include "app/main_window.h"
#include "app/resource_ids.h"
#include "app/shell_state.h"
#include "image/draw_view.h"
#include "image/view_recentre.h"
#include "image/view_state.h"
#include "platform/controls/button.h"
#include "platform/device/screen.h"
#include "platform/device/window_api.h"
#include "platform/gdi/paint.h"

namespace ezo {
namespace {

using device::HWND;

void Place(HWND window, const Placement& p) {
    if (window) device::MoveWindow(window, p.x, p.y, p.width, p.height, true);
}

HWND Child(int id) { return shell.mainWindow ? device::GetDlgItem(shell.mainWindow, id) : nullptr; }

// The grid's own scroll bar, its first child.
HWND GridScrollBar() {
    if (!shell.thumbGrid || !device::IsWindow(shell.thumbGrid)) return nullptr;
    const auto& children = shell.thumbGrid->data().children;
    return children.empty() ? nullptr : children.front();
}

void Show(int barId) {
    if (HWND bar = MenuBar(barId)) device::ShowWindow(bar, device::SW_SHOW);
}

}  // namespace

void LayoutChildren(int32_t split) {
    const MainLayout l = LayoutAtSplit(shell.viewRect.top, shell.viewRect.bottom, split);
    Place(shell.tree, l.tree);
    Place(shell.fileList, l.fileArea);
    Place(shell.thumbGrid, l.fileArea);
    Place(shell.noImages, l.fileArea);
    Place(GridScrollBar(), l.scrollBar);
    Place(Child(kIdSplitTreeHidden), l.splitTreeHidden);
    Place(Child(kIdSplitFilesHidden), l.splitFilesHidden);
    Place(Child(kIdSplitMiddle), l.splitMiddle);
    shell.listAreaHeight = l.listAreaHeight;
}

void OnSize(int32_t clientHeight) {
    const MainLayout l = LayoutForHeight(shell.viewRect.top, clientHeight, shell.splitRatio);
    shell.viewRect = l.viewRect;
    shell.separatorRect = l.separatorRect;
    LayoutChildren(l.split);
}

void ShowBrowseBar() { Show(BrowseBarFor(shell.BrowseView)); }

void ShowViewBar() { Show(ViewBarFor(shell.viewBarBits)); }

void ShowSplitButtons(int bits) {
    if (bits & 4) device::ShowWindow(Child(kIdSplitMiddle), device::SW_SHOW);
    if (bits & 2) device::ShowWindow(Child(kIdSplitFilesHidden), device::SW_SHOW);
    if (bits & 1) device::ShowWindow(Child(kIdSplitTreeHidden), device::SW_SHOW);
}

void ShowSeparator(gdi::HDC dc) {
    gdi::RECT r = shell.separatorRect;
    gdi::DrawEdge(dc, &r, gdi::EDGE_BUMP, gdi::BF_TOP | gdi::BF_BOTTOM | gdi::BF_MIDDLE);
}

void CheckToolMenus(uint16_t command, bool checked) {
    const uint32_t flags = controls::MF_BYCOMMAND | (checked ? controls::MF_CHECKED : controls::MF_UNCHECKED);
    for (int i = 0; i < kToolMenuCount; ++i)
        if (controls::HMENU menu = ToolMenu(i)) controls::CheckMenuItem(menu, command, flags);
}

// Leaving the application, even for a moment, leaves full screen.
void OnActivate(HWND window) {
    if (viewState.fullScreen) {
        gdi::RECT r;
        device::GetClientRect(window, &r);
        viewState.titleBarHidden = 0;
        viewState.fullScreen = 0;
        device::MoveWindow(window, r.left, r.top, r.right, r.bottom - kMenuBarHeight, true);
        CheckToolMenus(IDM_TITLE_BAR, true);
        device::SHFullScreen(window, device::SHFS_SHOWTASKBAR);
        RecentreView(0);
        {
            device::WindowDC dc(window);
            DrawImage(window, dc, 0, 0, 0);
        }
        Show(IDR_BAR_REPORT);
        for (int id : {kIdLeaveFullScreen, kIdOverlayZoomIn, kIdOverlayZoomOut, kIdOverlayFit})
            device::ShowWindow(Child(id), device::SW_HIDE);
        ShowViewBar();
    } else if (viewState.titleBarHidden) {
        device::SHFullScreen(window, device::SHFS_HIDETASKBAR);
    }
}

void OnDrawItem(const void* item) {
    const auto* d = static_cast<const controls::DRAWITEMSTRUCT*>(item);
    if (!d) return;
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
