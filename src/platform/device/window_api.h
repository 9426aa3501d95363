#pragma once
// The window-system calls that drawing and loading code makes on a window:
// its device context, its client rectangle, a message box, the cursor. They
// are answered by the installed backend: the device screen when the program
// runs, a null backend (no windows) or a test's recording backend otherwise.
#include <string_view>

#include "platform/gdi/device_context.h"

namespace device {

class Window;
using HWND = Window*;

enum class Cursor { Arrow, Wait };

constexpr unsigned MB_OK = 0x0;
constexpr unsigned MB_OKCANCEL = 0x1;
constexpr unsigned MB_ICONSTOP = 0x10;
constexpr unsigned MB_ICONQUESTION = 0x20;
constexpr int IDOK = 1;
constexpr int IDCANCEL = 2;

class Backend {
public:
    virtual ~Backend() = default;
    // A context that draws into the window (the screen for a null window).
    virtual gdi::HDC GetDC(HWND window) = 0;
    virtual void ReleaseDC(HWND window, gdi::HDC dc) = 0;
    virtual bool GetClientRect(HWND window, gdi::RECT* rect) = 0;
    virtual int MessageBox(HWND owner, std::u16string_view text, std::u16string_view caption,
                           unsigned type) = 0;
    virtual void SetCursor(Cursor cursor) = 0;
    // Marks part of the window (all of it for null) for painting; erase asks
    // for the background to be filled first.
    virtual bool InvalidateRect(HWND window, const gdi::RECT* rect, bool erase) = 0;
    // Paints what is marked now instead of at the next turn of the loop.
    virtual bool UpdateWindow(HWND window) = 0;
};

// Installs a backend (null: the built-in one without windows) and returns the
// one it replaces. The backend is not owned.
Backend* SetBackend(Backend* backend);

gdi::HDC GetDC(HWND window);
void ReleaseDC(HWND window, gdi::HDC dc);
bool GetClientRect(HWND window, gdi::RECT* rect);
int MessageBox(HWND owner, std::u16string_view text, std::u16string_view caption, unsigned type);
void SetCursor(Cursor cursor);
bool InvalidateRect(HWND window, const gdi::RECT* rect, bool erase);
bool UpdateWindow(HWND window);

// Holds a window's device context for a scope.
class WindowDC {
public:
    explicit WindowDC(HWND window) : window_(window), dc_(GetDC(window)) {}
    ~WindowDC() { ReleaseDC(window_, dc_); }
    WindowDC(const WindowDC&) = delete;
    WindowDC& operator=(const WindowDC&) = delete;
    gdi::HDC get() const { return dc_; }
    operator gdi::HDC() const { return dc_; }

private:
    HWND window_;
    gdi::HDC dc_;
};

}  // namespace device
