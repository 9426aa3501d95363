#pragma once
// The combo box ("combobox") over QComboBox: a drop-down list
// (CBS_DROPDOWNLIST) or an edit with a list (CBS_DROPDOWN); CBS_SORT inserts
// every added string in the case-blind order. The list drops down as a
// window inside the device screen, below the box (above it when it would
// not fit). The parent hears WM_COMMAND: CBN_DROPDOWN when the list opens,
// CBN_SELCHANGE when the user changes the selection (never for
// CB_SETCURSEL), then CBN_CLOSEUP when the list closes; CBN_EDITCHANGE when
// the user edits the text of a CBS_DROPDOWN.
//
// The height a combo box is created with includes its dropped list, as on
// the handheld; the box itself is one line high.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "platform/device/window.h"

namespace controls {

constexpr uint32_t CBS_SIMPLE = 0x0001;
constexpr uint32_t CBS_DROPDOWN = 0x0002;
constexpr uint32_t CBS_DROPDOWNLIST = 0x0003;
constexpr uint32_t CBS_AUTOHSCROLL = 0x0040;
constexpr uint32_t CBS_SORT = 0x0100;
constexpr uint32_t CBS_NOINTEGRALHEIGHT = 0x0400;

constexpr uint32_t CB_ADDSTRING = 0x0143;
constexpr uint32_t CB_DELETESTRING = 0x0144;
constexpr uint32_t CB_GETCOUNT = 0x0146;
constexpr uint32_t CB_GETCURSEL = 0x0147;
constexpr uint32_t CB_GETLBTEXT = 0x0148;
constexpr uint32_t CB_GETLBTEXTLEN = 0x0149;
constexpr uint32_t CB_INSERTSTRING = 0x014A;
constexpr uint32_t CB_RESETCONTENT = 0x014B;
constexpr uint32_t CB_SETCURSEL = 0x014E;
constexpr uint32_t CB_SHOWDROPDOWN = 0x014F;
constexpr uint32_t CB_GETITEMDATA = 0x0150;
constexpr uint32_t CB_SETITEMDATA = 0x0151;
constexpr uint32_t CB_GETDROPPEDCONTROLRECT = 0x0152;
constexpr uint32_t CB_GETDROPPEDSTATE = 0x0157;
constexpr uint32_t CB_FINDSTRINGEXACT = 0x0158;

constexpr intptr_t CB_ERR = -1;

constexpr uint16_t CBN_SELCHANGE = 1;
constexpr uint16_t CBN_SETFOCUS = 3;
constexpr uint16_t CBN_KILLFOCUS = 4;
constexpr uint16_t CBN_EDITCHANGE = 5;
constexpr uint16_t CBN_DROPDOWN = 7;
constexpr uint16_t CBN_CLOSEUP = 8;

// Where a string goes in a sorted list of texts: after every text that is
// not greater without regard to case.
int SortedInsertIndex(const std::vector<std::u16string>& texts, std::u16string_view text);
// Where the dropped list of a box at box (screen pixels) with rows of
// rowHeight lies: below the box, as high as the rows need and the created
// height allows, above the box when below would leave the screen.
gdi::RECT DropDownRect(const gdi::RECT& box, int32_t droppedHeight, int32_t rows, int32_t rowHeight);

bool RegisterComboBoxClass();

}  // namespace controls
