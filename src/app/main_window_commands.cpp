// Commands that reach the main window: menus, bar buttons, owner-drawn
// buttons, accelerators and hot-key actions share one id space. A command
// that does not apply in the current mode is ignored, or beeps where the
// user would otherwise wonder what happened.
#include "app/browse_commands.h"
#include "app/main_window.h"
#include "app/resource_ids.h"
#include "app/shell/shell_state.h"
#include "app/shell/shell_windows.h"
#include "app/slide_show.h"
#include "app/view_modes.h"
#include "image/open_image.h"
#include "image/view_recentre.h"
#include "image/view_state.h"
#include "image/view_turn_commands.h"
#include "image/zoom.h"
#include "platform/device/message_loop.h"
#include "platform/device/messages.h"
#include "platform/device/window.h"

namespace ezo {

namespace {

using device::HWND;

bool Viewing() { return !shell.browseMode; }
bool NoEffect() { return !viewState.effectRunning; }
bool Loaded() { return viewState.imageLoaded != 0; }

void Beep() { device::MessageBeep(device::MB_DEFAULT_BEEP); }

void Redraw(HWND window) { device::InvalidateRect(window, nullptr, true); }

// Only the bar of the current viewBarBits stays up.
void SwapViewBar() {
    HideViewBars();
    ShowViewBar();
}

// The fit button's state and the view bar that shows it go together.
void SetFitButton(bool on) {
    viewState.fitButtonOn = on ? 1 : 0;
    if (on)
        shell.viewBarBits |= 2;
    else
        shell.viewBarBits &= ~2;
}

// Unflipped at zoom 1.0 out of fit mode, with the view bar saying so. The
// view keeps its centre and stays on the picture: offsets meant for a larger
// zoom would show blank screen that no pan could leave.
void Refresh(HWND window) {
    viewState.flipBits = 0;
    viewState.previousZoom = viewState.zoom;
    viewState.zoom = 1.0f;
    viewState.fitToggle = 0;
    SetFitButton(false);
    if (Viewing() && !viewState.fullScreen) SwapViewBar();
    RecentreView(1);
    Redraw(window);
}

void Flip(HWND window, int bit) {
    if (!Viewing()) return;
    viewState.flipBits ^= bit;
    Redraw(window);
}

void Step(HWND window, int (*step)(HWND, int)) {
    if (shell.slideShowRunning) {
        Beep();
        return;
    }
    if (!step(window, 0)) Beep();
}

void FitOn(HWND window) {
    SetFitButton(true);
    SwapViewBar();
    ToggleFit(window);
}

void FitOff(HWND window) {
    SetFitButton(false);
    SwapViewBar();
    ZoomActual(window);
}

// The overlay's fit button toggles fit mode; the view bar that comes back
// after full screen follows it.
void OverlayFit(HWND window) {
    SetFitButton(!viewState.fitToggle);
    if (HWND button = ShellChild(kIdOverlayFit)) {
        device::ShowWindow(button, device::SW_HIDE);  // drawn again with its new image
        device::ShowWindow(button, device::SW_SHOW);
    }
    ToggleFit(window);
}

}  // namespace

void OnCommand(HWND window, uint16_t id) {
    const bool view = Viewing();
    switch (id) {
    case IDM_QUIT:
        device::SendMessage(window, device::WM_ACTIVATE, device::WA_INACTIVE,
                            reinterpret_cast<device::LPARAM>(window));
        device::SendMessage(window, device::WM_CLOSE, 0, 0);
        return;
    case IDM_EXIT:
        // Destroying the window runs WM_DESTROY once and really removes it.
        device::DestroyWindow(window);
        return;
    case IDM_ABOUT:
    case IDM_OPTION:
    case IDM_FILE_INFO:
        return;  // their dialogs are not built yet
    case IDM_REFRESH:
        Refresh(window);
        return;
    case IDM_FULL_SCREEN:
        FullScreenCommand(window);
        return;
    case IDM_LANDSCAPE:
        if (Loaded() && view && NoEffect()) LandscapeCommand(window);
        return;
    case IDM_TITLE_BAR:
        TitleBarCommand(window);
        return;
    case IDM_ROTATE_RIGHT:
    case IDM_ROTATE_LEFT:
        if (view) TurnCommand(window, id == IDM_ROTATE_RIGHT);
        return;
    case IDM_FLIP_HORIZONTAL:
        Flip(window, kFlipHorizontal);
        return;
    case IDM_FLIP_VERTICAL:
        Flip(window, kFlipVertical);
        return;
    case IDM_BACK_TO_BROWSE:
        BackToBrowse(window);
        return;
    case IDM_PREVIOUS:
        Step(window, StepToPreviousImage);
        return;
    case IDM_NEXT:
        Step(window, StepToNextImage);
        return;
    case IDM_ZOOM_IN:
    case IDC_OVERLAY_ZOOM_IN:
        if (view && NoEffect()) ZoomIn(window);
        return;
    case IDM_ZOOM_OUT:
    case IDC_OVERLAY_ZOOM_OUT:
        if (view && NoEffect()) ZoomOut(window);
        return;
    case IDM_FIT:
        if (view && NoEffect()) FitOn(window);
        return;
    case IDM_ACTUAL_SIZE:
    case IDM_ACTUAL_SIZE_SLIDE:
        if (view && NoEffect()) FitOff(window);
        return;
    case IDC_OVERLAY_FIT:
        if (view && NoEffect()) OverlayFit(window);
        return;
    case IDC_LEAVE_FULL_SCREEN:
        if (Loaded() && NoEffect()) device::SendMessage(window, device::WM_COMMAND, IDM_FULL_SCREEN, 0);
        return;
    case IDM_SLIDE_START:
        StartSlideShow(window);
        return;
    case IDM_SLIDE_STOP:
        StopSlideShow(window);
        return;
    case IDM_TO_THUMBNAILS:
    case IDM_TO_LIST:
    case IDM_TO_REPORT:
        SwitchBrowseView(id);
        return;
    case IDM_DELETE:
        if (!view) DeleteSelectedFiles(window, FileViewRows());
        return;
    case IDC_SPLIT_TREE_HIDDEN:
    case IDC_SPLIT_MIDDLE:
    case IDC_SPLIT_FILES_HIDDEN:
        SplitPreset(id);
        return;
    default:
        return;
    }
}

}  // namespace ezo
