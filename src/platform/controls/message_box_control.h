#pragma once
// The message box inside the device screen: the text word-wrapped beside a
// stop or question icon, OK (and Cancel for MB_OKCANCEL) buttons, the
// caption in the task bar while the box shows. Modal over the owner's
// top-level window (timers go on); a tap on a button, Return (OK) or Escape
// (Cancel; OK when there is no Cancel) ends it with IDOK or IDCANCEL.
#include <cstdint>
#include <string_view>

#include "platform/device/window.h"

namespace controls {

using device::IDCANCEL;
using device::IDOK;
using device::MB_ICONQUESTION;
using device::MB_ICONSTOP;
using device::MB_OK;
using device::MB_OKCANCEL;

// Where the parts of a box lie: the box in the screen, the rest in the box.
struct MessageBoxPlaces {
    gdi::RECT box;
    gdi::RECT icon;    // empty without an icon
    gdi::RECT text;
    gdi::RECT ok;
    gdi::RECT cancel;  // empty without Cancel
};
// textHeight: the height the wrapped text needs at the text width the
// places give (MessageBoxTextWidth).
MessageBoxPlaces PlaceMessageBox(unsigned type, int32_t textHeight);
int32_t MessageBoxTextWidth(unsigned type);

int MessageBoxW(device::HWND owner, std::u16string_view text, std::u16string_view caption, unsigned type);

// Makes device::MessageBox show this box (a window backend that forwards
// everything else to the device's). Call after the device has started;
// undone when the device installs another backend.
void InstallMessageBox();

}  // namespace controls
