#pragma once
// Property sheets: tabbed pages made from dialog templates, each with its
// own procedure, shown modally in one window that fills the screen between
// the task bar and the menu band. Changes apply as the pages make them;
// there is no Apply or Cancel: the sheet closes with its Done button
// (or Return), and PropertySheetW returns 1.
//
// The sheet callback hears PSCB_GETVERSION first, then PSCB_INITIALIZED
// with the sheet window once the first page exists (its WM_INITDIALOG
// carries its PROPSHEETPAGEW). The tab control is the sheet's child 0x3020;
// given TCS_BOTTOM there, its tabs move to the bottom of the sheet. Other
// pages are made when their tab is first chosen.
#include <cstdint>
#include <functional>

#include "platform/controls/dialog.h"
#include "platform/controls/notify.h"

namespace controls {

// The tab control ("SysTabControl32") over QTabBar.
constexpr uint32_t TCS_BOTTOM = 0x0002;
constexpr uint32_t TCM_FIRST = 0x1300;
constexpr uint32_t TCM_GETITEMCOUNT = TCM_FIRST + 4;
constexpr uint32_t TCM_DELETEALLITEMS = TCM_FIRST + 9;
constexpr uint32_t TCM_GETCURSEL = TCM_FIRST + 11;
constexpr uint32_t TCM_SETCURSEL = TCM_FIRST + 12;
constexpr uint32_t TCM_INSERTITEMW = TCM_FIRST + 62;
constexpr uint32_t TCIF_TEXT = 0x0001;
constexpr uint32_t TCN_SELCHANGE = 0u - 551u;
constexpr uint32_t TCN_SELCHANGING = 0u - 552u;
struct TCITEMW {
    uint32_t mask = 0;
    uint32_t dwState = 0;
    uint32_t dwStateMask = 0;
    char16_t* pszText = nullptr;
    int cchTextMax = 0;
    int iImage = -1;
    device::LPARAM lParam = 0;
};
// Tells a tab control its style changed (it reads TCS_BOTTOM again).
constexpr uint32_t WM_STYLECHANGED = 0x007D;
bool RegisterTabControlClass();

// The sheet.
constexpr int kSheetTabControlId = 0x3020;
constexpr uint32_t PSH_PROPSHEETPAGE = 0x0008;
constexpr uint32_t PSH_USECALLBACK = 0x0100;
constexpr uint32_t PSH_MAXIMIZE = 0x2000;
constexpr uint32_t PSP_USETITLE = 0x0008;
constexpr int PSCB_INITIALIZED = 1;
constexpr int PSCB_GETVERSION = 5;

struct PROPSHEETPAGEW {
    uint32_t dwSize = sizeof(PROPSHEETPAGEW);
    uint32_t dwFlags = 0;
    HINSTANCE hInstance = nullptr;
    int pszTemplate = 0;  // the template id
    const char16_t* pszTitle = nullptr;
    DLGPROC pfnDlgProc;
    device::LPARAM lParam = 0;
};

using PFNPROPSHEETCALLBACK = std::function<int(device::HWND, uint32_t, device::LPARAM)>;

struct PROPSHEETHEADERW {
    uint32_t dwSize = sizeof(PROPSHEETHEADERW);
    uint32_t dwFlags = 0;
    device::HWND hwndParent = nullptr;
    HINSTANCE hInstance = nullptr;
    const char16_t* pszCaption = nullptr;
    uint32_t nPages = 0;
    uint32_t nStartPage = 0;
    const PROPSHEETPAGEW* ppsp = nullptr;
    PFNPROPSHEETCALLBACK pfnCallback;
};

// Where the tabs and the pages lie in a sheet of the given size.
struct SheetPlaces {
    gdi::RECT tabs;
    gdi::RECT page;
};
SheetPlaces PlaceSheet(int32_t width, int32_t height, bool tabsAtBottom);

// Shows the sheet modally; 1 when closed, -1 when it cannot be made (no
// pages, a page's template unknown).
intptr_t PropertySheetW(const PROPSHEETHEADERW* header);

}  // namespace controls
