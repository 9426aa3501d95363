#pragma once
// The button control ("button"): push and default push buttons, auto radio
// buttons in WS_GROUP groups, check boxes and group boxes over Qt buttons;
// owner-drawn buttons are plain device windows whose face the parent draws
// (WM_DRAWITEM with the button's own drawing context). A tap gives the
// parent WM_COMMAND (id, BN_CLICKED << 16, button) after an auto button has
// changed its check; a disabled button gives nothing.
#include <cstdint>
#include <vector>

#include "platform/device/window.h"

namespace controls {

// Styles.
constexpr uint32_t BS_PUSHBUTTON = 0x0000;
constexpr uint32_t BS_DEFPUSHBUTTON = 0x0001;
constexpr uint32_t BS_CHECKBOX = 0x0002;
constexpr uint32_t BS_AUTOCHECKBOX = 0x0003;
constexpr uint32_t BS_RADIOBUTTON = 0x0004;
constexpr uint32_t BS_GROUPBOX = 0x0007;
constexpr uint32_t BS_AUTORADIOBUTTON = 0x0009;
constexpr uint32_t BS_OWNERDRAW = 0x000B;
constexpr uint32_t BS_TYPEMASK = 0x000F;

// Messages and notifications.
constexpr uint32_t BM_GETCHECK = 0x00F0;
constexpr uint32_t BM_SETCHECK = 0x00F1;
constexpr uint32_t BM_GETSTATE = 0x00F2;
constexpr uint32_t BM_CLICK = 0x00F5;
constexpr uint16_t BN_CLICKED = 0;
constexpr uint32_t BST_UNCHECKED = 0;
constexpr uint32_t BST_CHECKED = 1;
constexpr uint32_t BST_PUSHED = 4;

// WM_DRAWITEM.
constexpr uint32_t ODT_BUTTON = 4;
constexpr uint32_t ODA_DRAWENTIRE = 0x0001;
constexpr uint32_t ODA_SELECT = 0x0002;
constexpr uint32_t ODS_SELECTED = 0x0001;
constexpr uint32_t ODS_DISABLED = 0x0004;
constexpr uint32_t ODS_FOCUS = 0x0010;
struct DRAWITEMSTRUCT {
    uint32_t CtlType = 0;
    uint32_t CtlID = 0;
    uint32_t itemID = 0;
    uint32_t itemAction = 0;
    uint32_t itemState = 0;
    device::HWND hwndItem = nullptr;
    gdi::HDC hDC = nullptr;
    gdi::RECT rcItem;
    uintptr_t itemData = 0;
};

// The radio buttons of the group that holds button, in order: from the
// nearest control at or before it with WS_GROUP up to the next WS_GROUP.
std::vector<device::HWND> RadioGroupOf(device::HWND button);

bool RegisterButtonClass();

}  // namespace controls
