#include "shell/shell_windows.h"

#include "shell/resource_ids.h"
#include "shell/main_layout.h"
#include "shell/shell_state.h"
#include "platform/controls/menu.h"
#include "platform/device/window.h"
#include "platform/gdi/paint.h"

#include <utility>

namespace ezo {
namespace {

using device::HWND;

void Place(HWND window, const Placement& p) {
    if (window) device::MoveWindow(window, p.x, p.y, p.width, p.height, true);
}

// The grid's own scroll bar, its first child.
HWND GridScrollBar(Shell& shell) {
    if (!shell.thumbGrid || !device::IsWindow(shell.thumbGrid)) return nullptr;
    const auto& children = shell.thumbGrid->data().children;
    return children.empty() ? nullptr : children.front();
}

void ShowBar(Shell& shell, int barId, bool shown) {
    if (HWND bar = MenuBar(shell, barId)) device::ShowWindow(bar, shown ? device::SW_SHOW : device::SW_HIDE);
}

constexpr int kBrowseBars[] = {IDR_BAR_REPORT, IDR_BAR_THUMBNAILS, IDR_BAR_LIST};
constexpr int kViewBars[] = {IDR_BAR_VIEW, IDR_BAR_VIEW_SLIDE, IDR_BAR_VIEW_FIT, IDR_BAR_VIEW_FIT_SLIDE};

// The bars of a group share one place: showing one hides the others and
// raises it, so the bar the user sees is the one whose buttons answer.
template <size_t N>
void ShowOnlyBar(Shell& shell, const int (&group)[N], int barId) {
    for (int bar : group)
        if (bar != barId) ShowBar(shell, bar, false);
    if (HWND bar = MenuBar(shell, barId)) {
        device::ShowWindow(bar, device::SW_SHOW);
        device::BringWindowToTop(bar);
    }
}

void ShowChild(HWND child, bool shown) {
    if (child) device::ShowWindow(child, shown ? device::SW_SHOW : device::SW_HIDE);
}

constexpr int kSplitButtons[] = {kIdSplitTreeHidden, kIdSplitMiddle, kIdSplitFilesHidden};
constexpr int kOverlayButtons[] = {kIdLeaveFullScreen, kIdOverlayZoomIn, kIdOverlayZoomOut, kIdOverlayFit};

}  // namespace

HWND ShellChild(Shell& shell, int id) {
    return shell.mainWindow && device::IsWindow(shell.mainWindow) ? device::GetDlgItem(shell.mainWindow, id) : nullptr;
}

void LayoutChildren(Shell& shell, int32_t split) {
    const MainLayout l = LayoutAtSplit(shell.viewRect.top, shell.viewRect.bottom, split);
    Place(shell.tree, l.tree);
    Place(shell.fileList, l.fileArea);
    Place(shell.thumbGrid, l.fileArea);
    Place(shell.noImages, l.fileArea);
    Place(GridScrollBar(shell), l.scrollBar);
    Place(ShellChild(shell, kIdSplitTreeHidden), l.splitTreeHidden);
    Place(ShellChild(shell, kIdSplitFilesHidden), l.splitFilesHidden);
    Place(ShellChild(shell, kIdSplitMiddle), l.splitMiddle);
    shell.listAreaHeight = l.listAreaHeight;
}

void ShowBrowseBar(Shell& shell) { ShowOnlyBar(shell, kBrowseBars, BrowseBarFor(shell.BrowseView)); }

void ShowViewBar(Shell& shell) { ShowOnlyBar(shell, kViewBars, ViewBarFor(shell.viewBarBits)); }

void HideBrowseBars(Shell& shell) {
    for (int bar : kBrowseBars) ShowBar(shell, bar, false);
}

void HideReportBar(Shell& shell) { ShowBar(shell, IDR_BAR_REPORT, false); }

void HideViewBars(Shell& shell) {
    for (int bar : kViewBars) ShowBar(shell, bar, false);
}

void ShowSplitButtons(Shell& shell, int bits) {
    if (bits & 4) device::ShowWindow(ShellChild(shell, kIdSplitMiddle), device::SW_SHOW);
    if (bits & 2) device::ShowWindow(ShellChild(shell, kIdSplitFilesHidden), device::SW_SHOW);
    if (bits & 1) device::ShowWindow(ShellChild(shell, kIdSplitTreeHidden), device::SW_SHOW);
}

void ShowSeparator(Shell& shell, gdi::HDC dc) {
    gdi::RECT r = shell.separatorRect;
    gdi::DrawEdge(dc, &r, gdi::EDGE_BUMP, gdi::BF_TOP | gdi::BF_BOTTOM | gdi::BF_MIDDLE);
}

void CheckToolMenus(Shell& shell, uint16_t command, bool checked) {
    const uint32_t flags = controls::MF_BYCOMMAND | (checked ? controls::MF_CHECKED : controls::MF_UNCHECKED);
    for (int i = 0; i < kToolMenuCount; ++i)
        if (controls::HMENU menu = ToolMenu(shell, i)) controls::CheckMenuItem(menu, command, flags);
}

void HideSplitButtons(Shell& shell) {
    for (int id : kSplitButtons) ShowChild(ShellChild(shell, id), false);
}

void ShowOverlayButtons(Shell& shell, bool shown) {
    for (int id : kOverlayButtons) ShowChild(ShellChild(shell, id), shown);
}

void HideBrowseWindows(Shell& shell) {
    for (HWND child : {shell.fileList, shell.tree, shell.thumbGrid, shell.noImages}) ShowChild(child, false);
    HideSplitButtons(shell);
}

void ShowFileArea(Shell& shell) {
    const bool empty = shell.rowCount == 0;
    ShowChild(shell.noImages, empty);
    ShowChild(shell.thumbGrid, !empty && shell.thumbViewActive);
    ShowChild(shell.fileList, !empty && !shell.thumbViewActive);
}

void ShowBrowseWindows(Shell& shell, HWND window) {
    ShowFileArea(shell);
    HideViewBars(shell);
    ShowBrowseBar(shell);
    ShowChild(shell.tree, true);
    {
        device::WindowDC dc(window);
        ShowSeparator(shell, dc);
    }
    ShowSplitButtons(shell, shell.splitButtonBits);
}

namespace {

struct SplitButtonPlaces {
    int hidden;
    int32_t xTreeHidden, xMiddle, xFilesHidden;
    int bits;
};
// Where the three buttons go for each hidden one; the hidden button sits
// under one of the others.
constexpr SplitButtonPlaces kSplitPlaces[] = {
    {kIdSplitTreeHidden, 8, 8, 32, 6},
    {kIdSplitMiddle, 8, 32, 32, 3},
    {kIdSplitFilesHidden, 8, 32, 32, 5},
};

}  // namespace

void PlaceSeparator(Shell& shell, int32_t split, int hiddenButtonId) {
    const SplitButtonPlaces* places = &kSplitPlaces[1];
    for (const SplitButtonPlaces& p : kSplitPlaces)
        if (p.hidden == hiddenButtonId) places = &p;
    shell.separatorRect = SeparatorRectAt(split);
    LayoutChildren(shell, split);
    const std::pair<int, int32_t> buttons[] = {{kIdSplitTreeHidden, places->xTreeHidden},
                                               {kIdSplitMiddle, places->xMiddle},
                                               {kIdSplitFilesHidden, places->xFilesHidden}};
    for (auto [id, x] : buttons) {
        HWND button = ShellChild(shell, id);
        if (!button) continue;
        device::MoveWindow(button, x, split + 1, kSplitButtonSize, kSplitButtonSize, true);
        ShowChild(button, id != places->hidden);
    }
    shell.splitButtonBits = places->bits;
    const double height = double(shell.viewRect.bottom) + shell.viewRect.top;
    if (height > 0) shell.splitRatio = split / height;
    if (shell.mainWindow) {
        device::InvalidateRect(shell.mainWindow, nullptr, true);
        device::UpdateWindow(shell.mainWindow);
    }
}

}  // namespace ezo
