#include "platform/device/window_api.h"

#include <atomic>

namespace device {
namespace {

// No windows: contexts are screen-compatible memory contexts without a
// bitmap, message boxes answer OK at once, the cursor is not shown.
class NullBackend final : public Backend {
public:
    gdi::HDC GetDC(HWND) override { return gdi::CreateCompatibleDC(nullptr).release(); }
    void ReleaseDC(HWND, gdi::HDC dc) override { delete dc; }
    bool GetClientRect(HWND, gdi::RECT* rect) override {
        if (rect) *rect = gdi::RECT{};
        return false;
    }
    int MessageBox(HWND, std::u16string_view, std::u16string_view, unsigned) override { return IDOK; }
    void SetCursor(Cursor) override {}
    bool InvalidateRect(HWND, const gdi::RECT*, bool) override { return false; }
    bool UpdateWindow(HWND) override { return false; }
};

NullBackend nullBackend;
std::atomic<Backend*> current{&nullBackend};

}  // namespace

Backend* SetBackend(Backend* backend) {
    Backend* previous = current.exchange(backend ? backend : &nullBackend);
    return previous == &nullBackend ? nullptr : previous;
}

gdi::HDC GetDC(HWND window) { return current.load()->GetDC(window); }
void ReleaseDC(HWND window, gdi::HDC dc) {
    if (dc) current.load()->ReleaseDC(window, dc);
}
bool GetClientRect(HWND window, gdi::RECT* rect) { return current.load()->GetClientRect(window, rect); }
int MessageBox(HWND owner, std::u16string_view text, std::u16string_view caption, unsigned type) {
    return current.load()->MessageBox(owner, text, caption, type);
}
void SetCursor(Cursor cursor) { current.load()->SetCursor(cursor); }
bool InvalidateRect(HWND window, const gdi::RECT* rect, bool erase) {
    return current.load()->InvalidateRect(window, rect, erase);
}
bool UpdateWindow(HWND window) { return current.load()->UpdateWindow(window); }

}  // namespace device
