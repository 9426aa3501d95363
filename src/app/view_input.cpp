// How the hardware keys, the arrow keys and the stylus on the main window
// reach the viewer and the splitter.
#include "app/resource_ids.h"
#include "app/shell/shell_state.h"
#include "app/shell/shell_windows.h"
#include "app/view_modes.h"
#include "app/view_places.h"
#include "image/open_image.h"
#include "image/stylus_drag.h"
#include "image/view_state.h"
#include "platform/device/message_loop.h"
#include "settings/settings.h"

namespace ezo {

namespace {

using device::HWND;

bool Viewing() { return viewState.imageLoaded && !shell.browseMode; }

void Beep() { device::MessageBeep(device::MB_DEFAULT_BEEP); }

void Step(HWND window, int (*step)(HWND, int)) {
    if (shell.browseMode || shell.slideShowRunning) {
        Beep();
        return;
    }
    if (!step(window, 0)) Beep();
}

}  // namespace

void KeyActionCommand(int32_t action) {
    const uint16_t command = KeyActionToCommand(action, shell.viewBarBits);
    if (command && shell.mainWindow)
        device::SendMessage(shell.mainWindow, device::WM_COMMAND, command, device::LPARAM(command));
}

void OnHotKey(HWND, int id) {
    if (!Viewing() || id < kFirstHotKey || id >= kFirstHotKey + kHotKeyCount) return;
    KeyActionCommand(settings.keyActions[id - kFirstHotKey]);
}

void OnKeyDown(HWND window, uint32_t virtualKey) {
    switch (virtualKey) {
    case device::VK_LEFT:
    case device::VK_UP:
        Step(window, StepToPreviousImage);
        return;
    case device::VK_RIGHT:
    case device::VK_DOWN:
        Step(window, StepToNextImage);
        return;
    default:
        return;
    }
}

void OnStylusDown(HWND window, int32_t x, int32_t y) {
    if (viewState.effectRunning) return;
    if (shell.browseMode) {
        SplitterDown(window, x, y);
        return;
    }
    shell.panning = 1;
    viewState.panLastX = x;
    viewState.panLastY = y;
    // The overlay buttons step aside while the stylus is on the picture.
    if (viewState.fullScreen) ShowOverlayButtons(false);
}

void OnStylusMove(HWND window, int32_t x, int32_t y) {
    if (shell.browseMode) {
        SplitterMove(window, y);
        return;
    }
    if (shell.panning) PanStep(window, x, y);
}

void OnStylusUp(HWND window, int32_t, uint16_t y) {
    if (shell.browseMode) {
        SplitterUp(window, y);
        return;
    }
    shell.panning = 0;
    if (viewState.fullScreen) ShowOverlayButtons(true);
}

void OnDoubleTap(HWND window) {
    if (!Viewing() || viewState.fullScreen || viewState.effectRunning) return;
    device::SendMessage(window, device::WM_COMMAND, IDM_FULL_SCREEN, 0);
}

}  // namespace ezo
