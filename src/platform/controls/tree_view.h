#pragma once
// The tree-view control ("SysTreeView32") over QTreeWidget, with the
// handheld's messages, item handles and notifications:
// - items are inserted under a parent, optionally sorted among their
//   siblings without regard to case, with a child indicator that shows an
//   expand button before any child exists;
// - TVN_ITEMEXPANDINGW reaches the parent before the children show, so it
//   can refill them (TRUE cancels), then TVN_ITEMEXPANDEDW; this holds for
//   taps, keys and TVM_EXPAND alike;
// - TVN_SELCHANGINGW (TRUE cancels) and TVN_SELCHANGEDW around every change
//   of the selection, with the cause (mouse, keyboard, unknown);
// - a tap on an expand button toggles, a tap on a label selects, a double
//   tap toggles; Up/Down/Home/End/PageUp/PageDown move, Left collapses or
//   goes to the parent, Right expands or goes to the first child;
// - tap-and-hold selects the item and sends GN_CONTEXTMENU.
// Item handles stay valid until their item is deleted; a stale handle is
// refused, never followed.
#include <cstdint>

#include "platform/controls/notify.h"
#include "platform/device/window.h"

namespace controls {

struct TreeItemTag;
using HTREEITEM = TreeItemTag*;

inline const HTREEITEM TVI_ROOT = reinterpret_cast<HTREEITEM>(intptr_t(-0x10000));
inline const HTREEITEM TVI_FIRST = reinterpret_cast<HTREEITEM>(intptr_t(-0x0FFFF));
inline const HTREEITEM TVI_LAST = reinterpret_cast<HTREEITEM>(intptr_t(-0x0FFFE));
inline const HTREEITEM TVI_SORT = reinterpret_cast<HTREEITEM>(intptr_t(-0x0FFFD));

// Styles.
constexpr uint32_t TVS_HASBUTTONS = 0x0001;
constexpr uint32_t TVS_HASLINES = 0x0002;
constexpr uint32_t TVS_LINESATROOT = 0x0004;
constexpr uint32_t TVS_DISABLEDRAGDROP = 0x0010;
constexpr uint32_t TVS_SHOWSELALWAYS = 0x0020;

// Messages.
constexpr uint32_t TVM_FIRST = 0x1100;
constexpr uint32_t TVM_DELETEITEM = TVM_FIRST + 1;
constexpr uint32_t TVM_EXPAND = TVM_FIRST + 2;
constexpr uint32_t TVM_GETITEMRECT = TVM_FIRST + 4;  // lParam: RECT* holding the HTREEITEM
constexpr uint32_t TVM_GETCOUNT = TVM_FIRST + 5;
constexpr uint32_t TVM_GETNEXTITEM = TVM_FIRST + 10;
constexpr uint32_t TVM_SELECTITEM = TVM_FIRST + 11;
constexpr uint32_t TVM_ENSUREVISIBLE = TVM_FIRST + 20;
constexpr uint32_t TVM_INSERTITEMW = TVM_FIRST + 50;
constexpr uint32_t TVM_GETITEMW = TVM_FIRST + 62;
constexpr uint32_t TVM_SETITEMW = TVM_FIRST + 63;

// TVM_GETNEXTITEM and TVM_SELECTITEM.
constexpr uint32_t TVGN_ROOT = 0x0000;
constexpr uint32_t TVGN_NEXT = 0x0001;
constexpr uint32_t TVGN_PREVIOUS = 0x0002;
constexpr uint32_t TVGN_PARENT = 0x0003;
constexpr uint32_t TVGN_CHILD = 0x0004;
constexpr uint32_t TVGN_CARET = 0x0009;

// TVM_EXPAND.
constexpr uint32_t TVE_COLLAPSE = 0x0001;
constexpr uint32_t TVE_EXPAND = 0x0002;
constexpr uint32_t TVE_TOGGLE = 0x0003;

// TVITEMW mask and state.
constexpr uint32_t TVIF_TEXT = 0x0001;
constexpr uint32_t TVIF_PARAM = 0x0004;
constexpr uint32_t TVIF_STATE = 0x0008;
constexpr uint32_t TVIF_HANDLE = 0x0010;
constexpr uint32_t TVIF_CHILDREN = 0x0040;
constexpr uint32_t TVIS_SELECTED = 0x0002;
constexpr uint32_t TVIS_EXPANDED = 0x0020;
constexpr int I_CHILDRENCALLBACK = -1;

struct TVITEMW {
    uint32_t mask = 0;
    HTREEITEM hItem = nullptr;
    uint32_t state = 0;
    uint32_t stateMask = 0;
    char16_t* pszText = nullptr;  // zero-terminated; for TVM_GETITEMW a buffer of cchTextMax
    int cchTextMax = 0;
    int iImage = 0;
    int iSelectedImage = 0;
    int cChildren = 0;
    device::LPARAM lParam = 0;
};

struct TVINSERTSTRUCTW {
    HTREEITEM hParent = nullptr;  // null or TVI_ROOT: the top level
    HTREEITEM hInsertAfter = nullptr;  // TVI_FIRST, TVI_LAST, TVI_SORT or a sibling
    TVITEMW item;
};

// Notifications.
constexpr uint32_t TVN_FIRST = 0u - 400u;
constexpr uint32_t TVN_SELCHANGINGW = TVN_FIRST - 50;
constexpr uint32_t TVN_SELCHANGEDW = TVN_FIRST - 51;
constexpr uint32_t TVN_ITEMEXPANDINGW = TVN_FIRST - 54;
constexpr uint32_t TVN_ITEMEXPANDEDW = TVN_FIRST - 55;

// Why the selection changed.
constexpr uint32_t TVC_UNKNOWN = 0x0000;
constexpr uint32_t TVC_BYMOUSE = 0x0001;
constexpr uint32_t TVC_BYKEYBOARD = 0x0002;

struct NMTREEVIEWW {
    NMHDR hdr;
    uint32_t action = 0;  // TVC_* for selection, TVE_* for expansion
    TVITEMW itemOld;      // hItem, state and lParam filled
    TVITEMW itemNew;
    gdi::POINT ptDrag;
};

// The handheld's order of item texts: without regard to case.
int CompareItemText(std::u16string_view a, std::u16string_view b);

// Registers "SysTreeView32".
bool RegisterTreeViewClass();

}  // namespace controls
