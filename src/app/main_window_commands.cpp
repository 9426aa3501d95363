// Commands that reach the main window: menus, bar buttons, owner-drawn
// buttons, accelerators and hot-key actions share one id space. A command
// that does not apply in the current mode is ignored, or beeps where the
// user would otherwise wonder what happened.
#include "app/browse_commands.h"
#include "app/main_window.h"
#include "app/slide_show.h"
#include "app/view_modes.h"
#include "image/view_recentre.h"
#include "image/view_turn_commands.h"
#include "image/zoom.h"
#include "platform/device/window.h"
#include "shell/resource_ids.h"
#include "shell/separator.h"
#include "shell/shell_windows.h"

namespace ezo {

namespace {

using device::HWND;

void Redraw(HWND window) { device::InvalidateRect(window, nullptr, true); }

// Only the bar of the current viewBarBits stays up.
void SwapViewBar(Shell& shell) {
    HideViewBars(shell);
    ShowViewBar(shell);
}

// The fit button's state and the view bar that shows it go together.
void SetFitButton(Program& program, bool on) {
    program.viewState.fitButtonOn = on ? 1 : 0;
    if (on)
        program.shell.viewBarBits |= 2;
    else
        program.shell.viewBarBits &= ~2;
}

// Unflipped at zoom 1.0 out of fit mode, with the view bar saying so. The
// view keeps its centre and stays on the picture: offsets meant for a larger
// zoom would show blank screen that no pan could leave.
void Refresh(HWND window) {
    Program& program = ProgramOf(window);
    ViewState& viewState = program.viewState;
    viewState.flipBits = 0;
    viewState.previousZoom = viewState.zoom;
    viewState.zoom = 1.0f;
    viewState.fitToggle = 0;
    SetFitButton(program, false);
    if (!program.shell.browseMode && !viewState.fullScreen) SwapViewBar(program.shell);
    RecentreView(viewState, 1);
    Redraw(window);
}

void Flip(HWND window, int bit) {
    Program& program = ProgramOf(window);
    if (program.shell.browseMode) return;
    program.viewState.flipBits ^= bit;
    Redraw(window);
}

void FitOn(HWND window) {
    Program& program = ProgramOf(window);
    SetFitButton(program, true);
    SwapViewBar(program.shell);
    ToggleFit(window);
}

void FitOff(HWND window) {
    Program& program = ProgramOf(window);
    SetFitButton(program, false);
    SwapViewBar(program.shell);
    ZoomActual(window);
}

// The overlay's fit button toggles fit mode; the view bar that comes back
// after full screen follows it.
void OverlayFit(HWND window) {
    Program& program = ProgramOf(window);
    SetFitButton(program, !program.viewState.fitToggle);
    if (HWND button = ShellChild(program.shell, kIdOverlayFit)) {
        device::ShowWindow(button, device::SW_HIDE);  // drawn again with its new image
        device::ShowWindow(button, device::SW_SHOW);
    }
    ToggleFit(window);
}

}  // namespace

void OnCommand(HWND window, uint16_t id) {
    const Program& program = ProgramOf(window);
    const bool view = !program.shell.browseMode;
    const bool loaded = program.viewState.imageLoaded != 0;
    const bool noEffect = !program.viewState.effectRunning;
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
        if (loaded && view && noEffect) LandscapeCommand(window);
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
        StepCommand(window, false);
        return;
    case IDM_NEXT:
        StepCommand(window, true);
        return;
    case IDM_ZOOM_IN:
    case IDC_OVERLAY_ZOOM_IN:
        if (view && noEffect) ZoomIn(window);
        return;
    case IDM_ZOOM_OUT:
    case IDC_OVERLAY_ZOOM_OUT:
        if (view && noEffect) ZoomOut(window);
        return;
    case IDM_FIT:
        if (view && noEffect) FitOn(window);
        return;
    case IDM_ACTUAL_SIZE:
    case IDM_ACTUAL_SIZE_SLIDE:
        if (view && noEffect) FitOff(window);
        return;
    case IDC_OVERLAY_FIT:
        if (view && noEffect) OverlayFit(window);
        return;
    case IDC_LEAVE_FULL_SCREEN:
        if (loaded && noEffect) device::SendMessage(window, device::WM_COMMAND, IDM_FULL_SCREEN, 0);
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
        SwitchBrowseView(window, id);
        return;
    case IDM_DELETE:
        if (!view) DeleteSelectedFiles(window, ShownFileRows(program.shell));
        return;
    case IDC_SPLIT_TREE_HIDDEN:
    case IDC_SPLIT_MIDDLE:
    case IDC_SPLIT_FILES_HIDDEN:
        SplitPreset(window, id);
        return;
    default:
        return;
    }
}

}  // namespace ezo
