#include "platform/device/qt_backend.h"

#include "platform/device/message_box.h"
#include "platform/device/painting.h"
#include "platform/device/screen.h"
#include "platform/device/window.h"

namespace device {

gdi::HDC QtBackend::GetDC(HWND window) { return GetWindowDC(window); }

void QtBackend::ReleaseDC(HWND window, gdi::HDC dc) { ReleaseWindowDC(window, dc); }

bool QtBackend::GetClientRect(HWND window, gdi::RECT* rect) {
    if (!rect) return false;
    if (!IsWindow(window)) {
        *rect = {};
        return false;
    }
    const gdi::RECT& r = window->data().rect;
    *rect = {0, 0, r.width(), r.height()};
    return true;
}

int QtBackend::MessageBox(HWND owner, std::u16string_view text, std::u16string_view caption, unsigned type) {
    return ShowMessageBox(owner, text, caption, type);
}

void QtBackend::SetCursor(Cursor cursor) { ShowWaitIndicator(cursor == Cursor::Wait); }

bool QtBackend::InvalidateRect(HWND window, const gdi::RECT* rect, bool erase) {
    return InvalidateWindowRect(window, rect, erase);
}

bool QtBackend::UpdateWindow(HWND window) { return UpdateWindowNow(window); }

}  // namespace device
