#pragma once
// Device windows. Every window of the program, top-level or child, is a
// Window: a window class's procedure (WindowProc) over the state the window
// system keeps for it. Top-level windows (no WS_CHILD) live inside the device
// screen, never on the desktop; their parent argument is their owner.
// Positions and sizes are device pixels; a window has no frame, so its
// client area is its whole rectangle.
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "platform/device/messages.h"
#include "platform/device/window_api.h"
#include "platform/gdi/bitmap.h"
#include "platform/gdi/types.h"

class QWidget;

namespace device {

class Window;
using HWND = Window*;

// What the window system keeps for each window.
struct WindowData {
    std::u16string className;
    std::u16string title;
    uint32_t style = 0;
    uint32_t classStyle = 0;
    int32_t id = 0;
    gdi::RECT rect;             // in the parent's client area (the screen for top-level windows)
    HWND parent = nullptr;      // child windows: the parent; top-level windows: the owner
    std::vector<HWND> children; // bottom of the z-order first
    bool visible = false;
    bool enabled = true;
    bool destroying = false;    // DestroyWindow has begun (WM_DESTROY may still be running)
    bool gone = false;          // destroyed: no longer a window
    int dispatchDepth = 0;      // WindowProc calls on the stack
    bool freePending = false;   // destroyed while dispatching: freed when the last call returns
    // Painting: the backing store and what needs painting.
    gdi::BitmapPtr backingStore;
    gdi::RECT invalid;          // empty: nothing to paint
    bool eraseNeeded = false;
    QWidget* widget = nullptr;  // shows the window inside the screen; owned by the window
};

class Window {
public:
    Window() = default;
    virtual ~Window();
    Window(const Window&) = delete;
    Window& operator=(const Window&) = delete;

    // The window class's procedure; what it does not handle goes to DefWindowProc.
    virtual LRESULT WindowProc(uint32_t msg, WPARAM wParam, LPARAM lParam);
    // A window that shows a Qt widget (a control) returns it: it then paints
    // through Qt and has no backing store, and stylus and keys go to the widget.
    virtual QWidget* hostedWidget() { return nullptr; }
    // The stylus has been held still on the window (or the right button
    // pressed), at client point (x, y): the raw tap-and-hold.
    virtual void StylusHeld(int32_t x, int32_t y) {}
    // False for top-level windows that never become the active window (menus,
    // menu bars): showing or tapping one leaves the activation where it is.
    virtual bool TakesActivation() const { return true; }
    // True for windows the stylus passes through to what lies below (a
    // group box's frame over the controls it groups).
    virtual bool TransparentToStylus() const { return false; }
    // The state a control adds to its line in the device dump: " key=value"
    // parts, each starting with a blank (empty: nothing to add).
    virtual std::string DumpDetails() { return {}; }

    WindowData& data() { return data_; }
    const WindowData& data() const { return data_; }

private:
    WindowData data_;
};

// The default handling: WM_CLOSE destroys the window, WM_PAINT validates it,
// everything else returns 0.
LRESULT DefWindowProc(HWND window, uint32_t msg, WPARAM wParam, LPARAM lParam);

// Window classes: a name, its class style and how to make its windows.
using WindowFactory = std::function<std::unique_ptr<Window>()>;
bool RegisterClass(std::u16string_view className, uint32_t classStyle, WindowFactory factory);
bool UnregisterClass(std::u16string_view className);

// Creates a window of a registered class. Sends WM_CREATE (a result of -1
// destroys the window and fails the creation) and WM_SIZE. CW_USEDEFAULT for
// a top-level window gives the work area between the task bar and the menu
// bar. Null on failure.
HWND CreateWindow(std::u16string_view className, std::u16string_view title, uint32_t style,
                  int32_t x, int32_t y, int32_t width, int32_t height, HWND parent, int32_t id);
// The same for a window object made by the caller (classStyle as a class would give it).
HWND CreateWindowFor(std::unique_ptr<Window> window, std::u16string_view className,
                     uint32_t classStyle, std::u16string_view title, uint32_t style, int32_t x,
                     int32_t y, int32_t width, int32_t height, HWND parent, int32_t id);
// Sends WM_DESTROY to the window, then destroys its children and the
// top-level windows it owns; frees it once no call of its procedure runs.
bool DestroyWindow(HWND window);
bool IsWindow(HWND window);

bool MoveWindow(HWND window, int32_t x, int32_t y, int32_t width, int32_t height, bool repaint);
bool SetWindowPos(HWND window, HWND insertAfter, int32_t x, int32_t y, int32_t width, int32_t height,
                  uint32_t flags);
bool BringWindowToTop(HWND window);
// Returns whether the window was visible before.
bool ShowWindow(HWND window, int command);
// Visible itself and every ancestor too.
bool IsWindowVisible(HWND window);
bool EnableWindow(HWND window, bool enable);
bool IsWindowEnabled(HWND window);
bool SetWindowText(HWND window, std::u16string_view text);
// Copies at most maxCount - 1 characters and a terminating zero; returns the number copied.
int GetWindowText(HWND window, char16_t* buffer, int maxCount);
std::u16string GetWindowText(HWND window);
HWND GetDlgItem(HWND parent, int32_t id);
int32_t GetDlgCtrlID(HWND window);
HWND GetParent(HWND window);
// The top-level window a window belongs to.
HWND GetTopLevel(HWND window);
bool GetWindowRect(HWND window, gdi::RECT* rect);  // in screen coordinates
uint32_t GetWindowStyle(HWND window);
bool SetWindowStyle(HWND window, uint32_t style);
// The point in the window's client area that lies at screen point (x, y).
gdi::POINT ScreenToClient(HWND window, gdi::POINT screen);
gdi::POINT ClientToScreen(HWND window, gdi::POINT client);

// The highest top-level window of the class (and title, unless null).
HWND FindWindow(std::u16string_view className, const char16_t* title);

// Top-level windows, bottom of the z-order first.
const std::vector<HWND>& TopLevelWindows();
// Destroys every window (the device going down).
void DestroyAllWindows();

}  // namespace device
