#pragma once
// A plain modal message box inside the device screen: caption, text, and OK
// (with Cancel for MB_OKCANCEL) buttons. Return gives OK, Escape Cancel (OK
// when there is no Cancel button).
#include <cstdint>
#include <string_view>

#include "platform/device/window.h"

namespace device {

// Where the parts of a box go, in its client area.
struct MessageBoxLayout {
    gdi::RECT box;  // in the screen
    gdi::RECT caption;
    gdi::RECT text;
    gdi::RECT ok;
    gdi::RECT cancel;  // empty without a Cancel button
};
MessageBoxLayout LayoutMessageBox(unsigned type, int32_t textHeight);

// The button at client point (x, y): IDOK, IDCANCEL or 0.
int MessageBoxButtonAt(const MessageBoxLayout& layout, int32_t x, int32_t y);

int ShowMessageBox(HWND owner, std::u16string_view text, std::u16string_view caption, unsigned type);

}  // namespace device
