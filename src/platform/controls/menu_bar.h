#pragma once
// The shell's menu bar: a row of buttons in the band at the bottom of the
// screen, built from a menu-bar resource. Drop-down buttons show a caption
// and open their pop-up above the bar; image buttons show a 16 x 16 image
// from the bar's images; a press becomes WM_COMMAND with the button's id to
// the bar's parent. Bars are windows: ShowWindow shows and hides them; the
// shown bar lies over the others. Showing a bar does not take the
// activation from the parent.
#include <cstdint>
#include <span>
#include <string>

#include "platform/controls/menu.h"
#include "platform/controls/resources.h"
#include "platform/device/window.h"

namespace controls {

struct SHMENUBARINFO {
    uint32_t cbSize = 0;
    device::HWND hwndParent = nullptr;
    uint32_t dwFlags = 0;
    uint32_t nToolBarId = 0;   // the menu-bar resource
    HINSTANCE hInstRes = nullptr;
    int32_t nBmpId = 0;        // a strip of 16 x 16 button images (0: none)
    int32_t cBmpImages = 0;
    device::HWND hwndMB = nullptr;  // the bar, filled in
    gdi::COLORREF clrBk = 0;
};
// The record size the handheld's callers pass.
constexpr uint32_t kSHMENUBARINFOSize = 32;

constexpr uint32_t SHCMBF_EMPTYBAR = 0x0001;
constexpr uint32_t SHCMBF_HIDDEN = 0x0002;
constexpr uint32_t SHCMBF_HIDESIPBUTTON = 0x0004;  // there is no input panel: accepted
constexpr uint32_t SHCMBF_COLORBK = 0x0008;

// Builds the bar from resource nToolBarId (shown unless SHCMBF_HIDDEN) and
// returns it in hwndMB. False (hwndMB null) for a wrong record size, no
// parent, or an unknown resource.
bool SHCreateMenuBar(SHMENUBARINFO* info);

// Messages to a bar.
constexpr uint32_t TB_ENABLEBUTTON = device::WM_USER + 1;   // wParam id, lParam enable
constexpr uint32_t TB_ISBUTTONENABLED = device::WM_USER + 9;
constexpr uint32_t TB_ADDBITMAP = device::WM_USER + 19;     // wParam images, lParam TBADDBITMAP*
constexpr uint32_t TB_GETBUTTON = device::WM_USER + 23;     // wParam index, lParam TBBUTTON*
constexpr uint32_t TB_BUTTONCOUNT = device::WM_USER + 24;
constexpr uint32_t TB_CHANGEBITMAP = device::WM_USER + 43;  // wParam id, lParam image index
constexpr uint32_t TB_GETBITMAP = device::WM_USER + 44;     // wParam id: its image index
constexpr uint32_t TB_GETBUTTONTEXTW = device::WM_USER + 75;  // wParam id, lParam buffer (260)
// lParam the id of a drop-down button: its pop-up menu (the one it opens).
constexpr uint32_t SHCMBM_GETSUBMENU = 0x0591;

// A bitmap resource to add as images: nID the bitmap, cut into 16-pixel
// images (wParam of TB_ADDBITMAP says how many). Returns the index of the
// first new image, -1 when the bitmap is unknown.
struct TBADDBITMAP {
    HINSTANCE hInst = nullptr;
    uintptr_t nID = 0;
};

struct TBBUTTON {
    int32_t iBitmap = 0;
    int32_t idCommand = 0;
    uint8_t fsState = 0;
    uint8_t fsStyle = 0;
    uintptr_t dwData = 0;
    intptr_t iString = 0;  // the caption's string id
};

constexpr int32_t kBarImageSize = 16;

// Adds the bitmaps in order as the bar's next images (one image each). A
// bitmap that cannot be loaded leaves a blank image at its index, so the
// images after it keep their indices. Returns the number loaded.
int SetMenuBarImages(device::HWND bar, HINSTANCE instance, std::span<const int> bitmapIds);

// Where button index lies, in screen coordinates (empty for no such button).
gdi::RECT MenuBarButtonRect(device::HWND bar, int index);

}  // namespace controls
