// How the hardware keys, the keyboard, the wheel and the stylus on the main
// window reach the viewer and the separator. The desktop's keys and the wheel
// map onto the commands the menus already send.
#include "app/main_window.h"

#include <cstdlib>

#include "app/view_modes.h"
#include "app/view_places.h"
#include "image/open_image.h"
#include "image/pan.h"
#include "platform/device/activation.h"
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

namespace {

void Command(HWND window, uint16_t id) { device::SendMessage(window, device::WM_COMMAND, id, 0); }

// Esc backs out one level: the slide show, full screen, then the picture.
void EscapeCommand(HWND window) {
    const Program& program = ProgramOf(window);
    if (program.shell.browseMode) return;
    if (program.shell.slideShowRunning)
        Command(window, IDM_SLIDE_STOP);
    else if (program.viewState.fullScreen)
        Command(window, IDM_FULL_SCREEN);
    else
        Command(window, IDM_BACK_TO_BROWSE);
}

bool Shown(HWND w) { return w && device::IsWindowVisible(w); }

// The file list or thumbnail grid that shows, if one does.
HWND FileArea(const Shell& shell) {
    return Shown(shell.fileList) ? shell.fileList : Shown(shell.thumbGrid) ? shell.thumbGrid : nullptr;
}

void EndCommand(HWND window, bool last) {
    const Program& program = ProgramOf(window);
    if (!PictureOnView(program) || program.shell.slideShowRunning) return;
    if (!(last ? StepToLastImage(window) : StepToFirstImage(window))) Beep();
}

}  // namespace

void OnKeyDown(HWND window, uint32_t virtualKey) {
    switch (virtualKey) {
    case device::VK_LEFT:
    case device::VK_UP:
    case device::VK_BACK:
        StepCommand(window, false);
        return;
    case device::VK_RIGHT:
    case device::VK_DOWN:
    case device::VK_SPACE:
        StepCommand(window, true);
        return;
    case device::VK_ESCAPE:
        EscapeCommand(window);
        return;
    case device::VK_HOME:
    case device::VK_END:
        EndCommand(window, virtualKey == device::VK_END);
        return;
    default:
        return;
    }
}

void OnChar(HWND window, char16_t c) {
    if (ProgramOf(window).shell.browseMode) return;
    switch (c) {
    case u'+':
    case u'=':
        Command(window, IDM_ZOOM_IN);
        return;
    case u'-':
        Command(window, IDM_ZOOM_OUT);
        return;
    case u'0':
        Command(window, IDM_ACTUAL_SIZE);
        return;
    case u'f':
    case u'F':
        if (!ProgramOf(window).viewState.fitToggle) Command(window, IDM_FIT);
        return;
    default:
        return;
    }
}

void OnWheel(HWND window, int32_t notches, bool control) {
    if (!PictureOnView(ProgramOf(window))) return;
    // Towards the user is onwards: the next picture, or smaller.
    for (int32_t i = 0; i < std::abs(notches) && !ProgramOf(window).shell.browseMode; ++i) {
        if (control)
            StepCommand(window, notches < 0);
        else
            Command(window, notches > 0 ? IDM_ZOOM_IN : IDM_ZOOM_OUT);
    }
}

void SwitchPane(HWND window) {
    const Shell& shell = ProgramOf(window).shell;
    if (!shell.browseMode) return;
    const HWND files = FileArea(shell);
    const HWND to = device::GetFocus() == shell.tree || !Shown(shell.tree) ? files : shell.tree;
    if (to) device::SetFocus(to);
}

void FocusBrowsePane(HWND window) {
    const Shell& shell = ProgramOf(window).shell;
    if (!shell.browseMode) return;
    if (HWND to = FileArea(shell) ? FileArea(shell) : Shown(shell.tree) ? shell.tree : nullptr) device::SetFocus(to);
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
