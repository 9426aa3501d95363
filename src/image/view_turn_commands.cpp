#include "image/view_turn_commands.h"

#include "image/draw_view.h"
#include "image/turn.h"
#include "image/view_recentre.h"
#include "shell/program.h"
#include "shell/resource_ids.h"
#include "shell/shell_windows.h"

namespace ezo {

namespace {

int TurnWithCursor(device::HWND window, gdi::HDC dc, int clockwise) {
    ViewState& viewState = ProgramOf(window).viewState;
    if (!viewState.effectRunning) device::SetCursor(device::Cursor::Wait);
    const int turned = TurnImage(window, dc, clockwise);
    device::SetCursor(device::Cursor::Arrow);
    RecentreView(viewState, 0);
    return turned;
}

}  // namespace

int TurnCommand(device::HWND window, int clockwise) {
    device::WindowDC dc(window);
    const int turned = TurnWithCursor(window, dc, clockwise);
    DrawImage(window, dc, 0, 0, 1);
    return turned;
}

int LandscapeCommand(device::HWND window) {
    Program& program = ProgramOf(window);
    ViewState& v = program.viewState;
    if (!v.imageLoaded || !v.currentImage || v.effectRunning) return 0;
    if (!v.landscapeMode) {
        v.landscapeMode = 1;
        v.landscapeApplied = 0;
        CheckToolMenus(program.shell, IDM_LANDSCAPE, true);
        RecentreView(v, 0);
        DrawView(window, 0, 0);  // the draw turns the picture
        return 1;
    }
    if (!v.landscapeApplied) {
        SwitchLandscapeOff(program);
        return 1;
    }
    int turnedBack = 0;
    {
        device::WindowDC dc(window);
        turnedBack = TurnWithCursor(window, dc, 1);
    }
    // Landscape ends only once the picture is turned back.
    if (turnedBack) {
        v.landscapeApplied = 0;
        SwitchLandscapeOff(program);
    }
    DrawView(window, 0, 0);
    return 1;
}

}  // namespace ezo
