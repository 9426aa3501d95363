#pragma once
// The program's main window: its class, which owns the program's state, and
// every handler its procedure calls, one per message. The handlers live
// beside what they do: creation (main_window_create), commands
// (main_window_commands), notifications (main_window_notify), keys and the
// stylus (main_window_input), the slide show's timers and menus
// (slide_show); painting, sizing and activation in main_window.cpp.
#include <cstdint>

#include "platform/device/message_loop.h"
#include "platform/gdi/types.h"
#include "shell/program.h"

namespace device {
class DumpWriter;
}

namespace ezo {

// The main window's class name, as the string resource gives it too.
inline constexpr char16_t kMainWindowClass[] = u"Ezo";

class MainWindow final : public ProgramWindow {
public:
    device::LRESULT WindowProc(uint32_t msg, device::WPARAM wParam, device::LPARAM lParam) override;
};

// WM_CREATE: settings, bars, children, image lists, hot keys, split, and
// the start option. Returns 0, or -1 when the window cannot be built.
device::LRESULT OnCreate(device::HWND window);
// WM_DESTROY: saves the settings first, then frees everything and quits.
void OnDestroy(device::HWND window);
void OnSize(device::HWND window, int32_t clientHeight);
void OnPaint(device::HWND window);
// WM_ACTIVATE: leaving the program, even for a moment, leaves full screen.
void OnActivate(device::HWND window);
void OnDrawItem(device::HWND window, const void* drawItem);
// WM_COMMAND and WM_NOTIFY.
void OnCommand(device::HWND window, uint16_t id);
void OnNotify(device::HWND window, device::LPARAM lParam);
// WM_HOTKEY, WM_KEYDOWN and the stylus messages.
void OnHotKey(device::HWND window, int id);
void OnKeyDown(device::HWND window, uint32_t virtualKey);
// WM_CHAR: the zoom keys + and -, 0 for actual size and F for fit.
void OnChar(device::HWND window, char16_t c);
// WM_MOUSEWHEEL over the picture: zoom steps, or with Ctrl the next or
// previous picture, one a notch.
void OnWheel(device::HWND window, int32_t notches, bool control);
void OnStylusDown(device::HWND window, int32_t x, int32_t y);
void OnStylusMove(device::HWND window, int32_t x, int32_t y);
void OnStylusUp(device::HWND window, int32_t x, uint16_t y);
void OnDoubleTap(device::HWND window);
// WM_TIMER of timer 1: one slide-show step.
void SlideShowTick(device::HWND window);
// WM_INITMENUPOPUP: stops show and transition and draws the final frame.
void OnMenuOpened(device::HWND window);

// The alert beep of a request that cannot be carried out.
inline void Beep() { device::MessageBeep(device::MB_DEFAULT_BEEP); }
// Next (forward) or previous picture on the view screen; beeps while
// browsing, during a slide show, or when there is none that opens.
void StepCommand(device::HWND window, bool forward);
// Tab on the browse screen: the keys go to the folder tree, or from it to
// the file list or thumbnail grid that shows.
void SwitchPane(device::HWND window);
// While browsing, the keys go to the file list (or grid, or tree), not to
// the main window: on WM_SETFOCUS and back from a picture.
void FocusBrowsePane(device::HWND window);
// Sends the command of a KeyAction (full screen, landscape, exit, slide show)
// to the main window.
void KeyActionCommand(device::HWND window, int32_t action);
// Opens a picture from the browse screen; the browse windows come back
// when it cannot be opened.
void OpenFromBrowse(device::HWND window, const std::u16string& path, int kind);

// Applies the stored start option once the children exist.
void ApplyStartOption(device::HWND window);

// The program module whose resources the main window loads; set before the
// window is created.
void SetProgramModule(controls::HINSTANCE instance);
controls::HINSTANCE ProgramModule();

// Writes the program's state as "key: value" lines for the headless dump:
// screen and mode flags, the view's zoom and offsets, the current folder,
// the file list's rows as shown, the latest file and the split (the README
// lists the keys and their format).
void DumpShellState(device::DumpWriter& out);

}  // namespace ezo
