#pragma once
// The edit control ("edit"): one line of text over QLineEdit. EN_CHANGE
// reaches the parent (WM_COMMAND) after every change: each keystroke that
// changes the text, and WM_SETTEXT. ES_NUMBER refuses characters other
// than digits as they are typed (WM_SETTEXT may still set any text).
#include <cstdint>
#include <functional>

#include "platform/device/window.h"

namespace controls {

constexpr uint32_t ES_LEFT = 0x0000;
constexpr uint32_t ES_CENTER = 0x0001;
constexpr uint32_t ES_RIGHT = 0x0002;
constexpr uint32_t ES_AUTOHSCROLL = 0x0080;
constexpr uint32_t ES_READONLY = 0x0800;
constexpr uint32_t ES_NUMBER = 0x2000;

constexpr uint16_t EN_SETFOCUS = 0x0100;
constexpr uint16_t EN_KILLFOCUS = 0x0200;
constexpr uint16_t EN_CHANGE = 0x0300;
constexpr uint16_t EN_MAXTEXT = 0x0501;

constexpr uint32_t EM_SETSEL = 0x00B1;
constexpr uint32_t EM_LIMITTEXT = 0x00C5;
constexpr uint32_t EM_SETREADONLY = 0x00CF;

// Arrow keys typed into an edit can belong to a control attached to it (an
// up-down with UDS_ARROWKEYS): the handler gets the virtual key and returns
// true when it took it.
using EditKeyHandler = std::function<bool(uint32_t vk)>;
bool SetEditArrowKeyHandler(device::HWND edit, EditKeyHandler handler);

bool RegisterEditClass();

}  // namespace controls
