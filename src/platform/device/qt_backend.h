#pragma once
// The window calls of drawing code, answered by the device screen.
#include "platform/device/window_api.h"

namespace device {

class QtBackend final : public Backend {
public:
    gdi::HDC GetDC(HWND window) override;
    void ReleaseDC(HWND window, gdi::HDC dc) override;
    bool GetClientRect(HWND window, gdi::RECT* rect) override;
    int MessageBox(HWND owner, std::u16string_view text, std::u16string_view caption,
                   unsigned type) override;
    void SetCursor(Cursor cursor) override;
    bool InvalidateRect(HWND window, const gdi::RECT* rect, bool erase) override;
    bool UpdateWindow(HWND window) override;
};

}  // namespace device
