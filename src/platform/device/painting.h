#pragma once
// Painting of the windows the program draws itself: each has a backing-store
// bitmap the size of its client area (32-bit, top-down); its window device
// context draws there, clipped to the client area, and the window's widget
// shows the store. A window is painted (WM_PAINT) when the loop is idle and
// some of it is invalid, or at once by UpdateWindow.
#include "platform/device/window.h"
#include "platform/gdi/device_context.h"

namespace device {

struct PAINTSTRUCT {
    gdi::HDC hdc = nullptr;
    bool fErase = false;  // the background still needs filling
    gdi::RECT rcPaint;    // the part being painted; drawing is clipped to it
};

gdi::HDC BeginPaint(HWND window, PAINTSTRUCT* paint);
bool EndPaint(HWND window, const PAINTSTRUCT* paint);
// Marks part of the window (all for null rect) as painted.
bool ValidateRect(HWND window, const gdi::RECT* rect);
// The part of the window that waits for painting; false when none does.
bool GetUpdateRect(HWND window, gdi::RECT* rect);

// What InvalidateRect and UpdateWindow of window_api.h do with this backend:
// mark part of a window (all of it for a null rect; every top-level window
// for a null window) for painting, with the background to be erased first;
// paint the window now if it needs it.
bool InvalidateWindowRect(HWND window, const gdi::RECT* rect, bool erase);
bool UpdateWindowNow(HWND window);

// The window's device context (the backend's GetDC/ReleaseDC): draws into
// the backing store, clipped to the client area. A null window gives a
// context without pixels. Releasing shows what was drawn; releasing a context
// twice, or after its window is gone, is harmless.
gdi::HDC GetWindowDC(HWND window);
void ReleaseWindowDC(HWND window, gdi::HDC dc);

// The window's backing store (made on first use), or null for a window that
// shows a Qt widget, has no area, or whose store did not fit in memory.
gdi::Bitmap* BackingStore(HWND window);

// Sends WM_PAINT to every visible window that is invalid, parents first.
void PaintInvalidWindows();
// Number of device contexts handed out and not yet released.
size_t OpenDeviceContexts();

}  // namespace device
