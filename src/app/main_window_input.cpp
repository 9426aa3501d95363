// How the hardware keys, the arrow keys and the stylus on the main window
// reach the viewer and the separator.
#include "app/main_window.h"
#include "app/view_modes.h"
#include "app/view_places.h"
#include "image/open_image.h"
#include "image/pan.h"
#include "shell/resource_ids.h"
#include "shell/separator.h"
#include "shell/shell_windows.h"

namespace ezo {

using device::HWND;

void StepCommand(HWND window, bool forward) {
    const Shell& shell = ProgramOf(window).shell;
    if (shell.browseMode || shell.slideShowRunning) {
        Beep();
        return;
    }
    const int opened = forward ? StepToNextImage(window, 0) : StepToPreviousImage(window, 0);
    if (!opened) Beep();
}

void KeyActionCommand(HWND window, int32_t action) {
    const uint16_t command = KeyActionToCommand(action, ProgramOf(window).shell.viewBarBits);
    if (command) device::SendMessage(window, device::WM_COMMAND, command, device::LPARAM(command));
}

void OnHotKey(HWND window, int id) {
    const Program& program = ProgramOf(window);
    if (!PictureOnView(program) || id < kFirstHotKey || id >= kFirstHotKey + kHotKeyCount) return;
    KeyActionCommand(window, program.settings.keyActions[id - kFirstHotKey]);
}

void OnKeyDown(HWND window, uint32_t virtualKey) {
    switch (virtualKey) {
    case device::VK_LEFT:
    case device::VK_UP:
        StepCommand(window, false);
        return;
    case device::VK_RIGHT:
    case device::VK_DOWN:
        StepCommand(window, true);
        return;
    default:
        return;
    }
}

void OnStylusDown(HWND window, int32_t x, int32_t y) {
    Program& program = ProgramOf(window);
    ViewState& viewState = program.viewState;
    if (viewState.effectRunning) return;
    if (program.shell.browseMode) {
        SplitterDown(window, x, y);
        return;
    }
    program.shell.panning = 1;
    viewState.panLastX = x;
    viewState.panLastY = y;
    // The overlay buttons step aside while the stylus is on the picture.
    if (viewState.fullScreen) ShowOverlayButtons(program.shell, false);
}

void OnStylusMove(HWND window, int32_t x, int32_t y) {
    const Shell& shell = ProgramOf(window).shell;
    if (shell.browseMode) {
        SplitterMove(window, y);
        return;
    }
    if (shell.panning) PanStep(window, x, y);
}

void OnStylusUp(HWND window, int32_t, uint16_t y) {
    Program& program = ProgramOf(window);
    if (program.shell.browseMode) {
        SplitterUp(window, y);
        return;
    }
    program.shell.panning = 0;
    if (program.viewState.fullScreen) ShowOverlayButtons(program.shell, true);
}

void OnDoubleTap(HWND window) {
    const Program& program = ProgramOf(window);
    if (!PictureOnView(program) || program.viewState.fullScreen || program.viewState.effectRunning) return;
    device::SendMessage(window, device::WM_COMMAND, IDM_FULL_SCREEN, 0);
}

}  // namespace ezo
