// The switches between the browse and view screens, and the view's full
// screen and hidden title bar.
#include "app/view_modes.h"

#include "app/main_window.h"
#include "app/view_places.h"
#include "browse/file_view.h"
#include "browse/path_text.h"
#include "image/view_recentre.h"
#include "shell/program.h"
#include "shell/resource_ids.h"
#include "shell/shell_windows.h"
#include "shell/thumbnail_thread.h"
#include "platform/device/message_loop.h"
#include "platform/device/screen.h"
#include "platform/device/window.h"
#include "platform/files/name_case.h"
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
    Program& program = ProgramOf(window);
    ViewState& viewState = program.viewState;
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
    HideViewBars(program.shell);
    ShowOverlayButtons(program.shell, true);
}

void LeaveFullScreen(HWND window) {
    Program& program = ProgramOf(window);
    ViewState& viewState = program.viewState;
    if (!viewState.titleBarHidden) device::SHFullScreen(window, device::SHFS_SHOWTASKBAR);
    viewState.fullScreen = 0;
    MoveTo(window, LeaveFullScreenPlace(ClientRect(window), viewState.titleBarHidden != 0));
    device::InvalidateRect(window, nullptr, false);
    ShowViewBar(program.shell);
    ShowOverlayButtons(program.shell, false);
}

void ShowTitleBar(HWND window) {
    Program& program = ProgramOf(window);
    program.viewState.titleBarHidden = 0;
    CheckToolMenus(program.shell, IDM_TITLE_BAR, true);
    device::SHFullScreen(window, device::SHFS_SHOWTASKBAR);
}

// Back from a picture, the list shows it selected, where the user was.
void ShowPlaceInList(Program& program) {
    const std::u16string& viewed = program.settings.latestFile;
    if (files::EqualNoCase(FolderOfPath(viewed), program.currentFolder))
        SelectRowNamed(program.shell, FileNameOfPath(viewed, 0));
}

}  // namespace

void BackToBrowse(HWND window) {
    Program& program = ProgramOf(window);
    Shell& shell = program.shell;
    ViewState& viewState = program.viewState;
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
        StartThumbnailGenerator(program);
        shell.thumbRestartPending = 0;
    }
    ShowFileArea(shell);
    ShowPlaceInList(program);
    FocusBrowsePane(window);
    shell.viewBarBits &= ~1;
    HideViewBars(shell);
    ShowBrowseBar(shell);
    if (shell.tree) device::ShowWindow(shell.tree, device::SW_SHOW);
    ShowSeparator(shell, dc);
    ShowSplitButtons(shell, shell.splitButtonBits);
}

void FullScreenCommand(HWND window) {
    const Program& program = ProgramOf(window);
    const ViewState& viewState = program.viewState;
    const Shell& shell = program.shell;
    if (!viewState.imageLoaded || shell.browseMode) return;
    if (viewState.fullScreen)
        LeaveFullScreen(window);
    else
        EnterFullScreen(window);
}

void TitleBarCommand(HWND window) {
    Program& program = ProgramOf(window);
    ViewState& viewState = program.viewState;
    const gdi::RECT client = ClientRect(window);
    if (viewState.titleBarHidden) {
        ShowTitleBar(window);
        MoveTo(window, ShowTitleBarPlace(client));
        return;
    }
    viewState.titleBarHidden = 1;
    CheckToolMenus(program.shell, IDM_TITLE_BAR, false);
    device::SHFullScreen(window, device::SHFS_HIDETASKBAR);
    MoveTo(window, HideTitleBarPlace(client));
}

void RestoreTitleBar(HWND window) {
    ViewState& viewState = ProgramOf(window).viewState;
    if (!viewState.titleBarHidden) return;
    const gdi::RECT client = ClientRect(window);
    ShowTitleBar(window);
    RecentreView(viewState, 0);
    MoveTo(window, ShowTitleBarPlace(client));
}

}  // namespace ezo
