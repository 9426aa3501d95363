#pragma once
// The list-view control ("SysListView32") over one QTreeWidget: the report
// style shows the header and the columns, the list style only the first
// column without a header; the style can change at run time (LVM_SETVIEW, or
// the style bits, which the control reads back whenever it is used or drawn)
// and rows and selection stay.
//
// Notifications, in this order: LVN_ITEMCHANGED for every row whose state
// changes (rows losing state first), whatever caused the change; a tap on a
// row (no Ctrl or Shift) then gives NM_CLICK and LVN_ITEMACTIVATE when the
// stylus lifts, and Enter gives LVN_ITEMACTIVATE for the focused row;
// tap-and-hold selects the row and gives GN_CONTEXTMENU without activating;
// a header tap gives LVN_COLUMNCLICK with the column in iSubItem.
//
// The selection mark is the anchor of the selection: the last row tapped
// or moved to without Shift, or the one the program sets. When its row is
// deleted or deselected it moves to the nearest selected row (the next one,
// else the one before), or to -1 when none is selected, so that whoever acts
// on "the selected row" never acts on a row that is not selected.
#include <cstdint>

#include <Qt>

#include "platform/controls/notify.h"
#include "platform/device/window.h"

namespace controls {

// Styles.
constexpr uint32_t LVS_ICON = 0x0000;
constexpr uint32_t LVS_REPORT = 0x0001;
constexpr uint32_t LVS_SMALLICON = 0x0002;
constexpr uint32_t LVS_LIST = 0x0003;
constexpr uint32_t LVS_TYPEMASK = 0x0003;
constexpr uint32_t LVS_SINGLESEL = 0x0004;
constexpr uint32_t LVS_SHOWSELALWAYS = 0x0008;
constexpr uint32_t LVS_NOCOLUMNHEADER = 0x4000;
constexpr uint32_t LVS_EX_FULLROWSELECT = 0x00000020;

// Views of LVM_SETVIEW.
constexpr uint32_t LV_VIEW_DETAILS = 0x0001;
constexpr uint32_t LV_VIEW_LIST = 0x0003;

// Messages.
constexpr uint32_t LVM_FIRST = 0x1000;
constexpr uint32_t LVM_GETITEMCOUNT = LVM_FIRST + 4;
constexpr uint32_t LVM_DELETEITEM = LVM_FIRST + 8;
constexpr uint32_t LVM_DELETEALLITEMS = LVM_FIRST + 9;
constexpr uint32_t LVM_GETNEXTITEM = LVM_FIRST + 12;
constexpr uint32_t LVM_GETITEMRECT = LVM_FIRST + 14;  // lParam: RECT* whose left is LVIR_*
constexpr uint32_t LVM_ENSUREVISIBLE = LVM_FIRST + 19;
constexpr uint32_t LVM_SETITEMSTATE = LVM_FIRST + 43;
constexpr uint32_t LVM_GETITEMSTATE = LVM_FIRST + 44;
constexpr uint32_t LVM_GETSELECTEDCOUNT = LVM_FIRST + 50;
constexpr uint32_t LVM_SETEXTENDEDLISTVIEWSTYLE = LVM_FIRST + 54;
constexpr uint32_t LVM_GETEXTENDEDLISTVIEWSTYLE = LVM_FIRST + 55;
constexpr uint32_t LVM_GETSELECTIONMARK = LVM_FIRST + 66;
constexpr uint32_t LVM_SETSELECTIONMARK = LVM_FIRST + 67;
constexpr uint32_t LVM_GETITEMW = LVM_FIRST + 75;
constexpr uint32_t LVM_INSERTITEMW = LVM_FIRST + 77;
constexpr uint32_t LVM_INSERTCOLUMNW = LVM_FIRST + 97;
constexpr uint32_t LVM_GETITEMTEXTW = LVM_FIRST + 115;
constexpr uint32_t LVM_SETITEMTEXTW = LVM_FIRST + 116;
constexpr uint32_t LVM_SETVIEW = LVM_FIRST + 142;
constexpr uint32_t LVM_GETVIEW = LVM_FIRST + 143;

// LVITEMW.
constexpr uint32_t LVIF_TEXT = 0x0001;
constexpr uint32_t LVIF_PARAM = 0x0004;
constexpr uint32_t LVIF_STATE = 0x0008;
constexpr uint32_t LVIS_FOCUSED = 0x0001;
constexpr uint32_t LVIS_SELECTED = 0x0002;

// LVM_GETNEXTITEM.
constexpr uint32_t LVNI_ALL = 0x0000;
constexpr uint32_t LVNI_FOCUSED = 0x0001;
constexpr uint32_t LVNI_SELECTED = 0x0002;

// LVM_GETITEMRECT.
constexpr int LVIR_BOUNDS = 0;
constexpr int LVIR_LABEL = 2;

// LVCOLUMNW.
constexpr uint32_t LVCF_FMT = 0x0001;
constexpr uint32_t LVCF_WIDTH = 0x0002;
constexpr uint32_t LVCF_TEXT = 0x0004;
constexpr uint32_t LVCF_SUBITEM = 0x0008;
constexpr int LVCFMT_LEFT = 0x0000;
constexpr int LVCFMT_RIGHT = 0x0001;
constexpr int LVCFMT_CENTER = 0x0002;

struct LVITEMW {
    uint32_t mask = 0;
    int iItem = 0;
    int iSubItem = 0;
    uint32_t state = 0;
    uint32_t stateMask = 0;
    char16_t* pszText = nullptr;
    int cchTextMax = 0;
    int iImage = 0;
    device::LPARAM lParam = 0;
    int iIndent = 0;
};

struct LVCOLUMNW {
    uint32_t mask = 0;
    int fmt = LVCFMT_LEFT;
    int cx = 0;
    char16_t* pszText = nullptr;
    int cchTextMax = 0;
    int iSubItem = 0;
};

// Notifications.
constexpr uint32_t LVN_FIRST = 0u - 100u;
constexpr uint32_t LVN_ITEMCHANGED = LVN_FIRST - 1;
constexpr uint32_t LVN_COLUMNCLICK = LVN_FIRST - 8;
constexpr uint32_t LVN_ITEMACTIVATE = LVN_FIRST - 14;

struct NMLISTVIEW {
    NMHDR hdr;
    int iItem = -1;
    int iSubItem = 0;
    uint32_t uNewState = 0;
    uint32_t uOldState = 0;
    uint32_t uChanged = 0;
    gdi::POINT ptAction;
    device::LPARAM lParam = 0;
};

struct NMITEMACTIVATE {
    NMHDR hdr;
    int iItem = -1;
    int iSubItem = 0;
    uint32_t uNewState = 0;
    uint32_t uOldState = 0;
    uint32_t uChanged = 0;
    gdi::POINT ptAction;  // client coordinates
    device::LPARAM lParam = 0;
    uint32_t uKeyFlags = 0;
};

// The keys held while the stylus goes down (Ctrl and Shift extend the
// selection). The device's stylus carries none, so the headless driver and
// tests set them here; the desktop keyboard's modifiers count too.
void SetStylusModifiers(Qt::KeyboardModifiers modifiers);
Qt::KeyboardModifiers StylusModifiers();

// Registers "SysListView32".
bool RegisterListViewClass();

}  // namespace controls
