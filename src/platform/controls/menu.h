#pragma once
// Pop-up menus: items with text and a command id, separators, nested
// pop-ups, check marks and grayed items, kept as plain data; Qt's QMenu only
// shows them while TrackPopupMenu runs. The menu appears inside the device
// screen in a window of its own over everything else; a tap on an item
// chooses it, a tap anywhere else dismisses the menu.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "platform/controls/resources.h"
#include "platform/device/window.h"
#include "platform/gdi/types.h"

namespace controls {

using HMENU = Menu*;

struct MenuItem {
    std::u16string text;
    uint16_t id = 0;
    uint32_t flags = MF_STRING;  // MF_SEPARATOR, MF_POPUP, MF_CHECKED, MF_GRAYED
    MenuPtr popup;               // owned sub-menu when flags has MF_POPUP
};

class Menu {
public:
    std::vector<MenuItem> items;
};

MenuPtr CreatePopupMenu();
// A menu made from a template (the items of LoadMenu's resources).
MenuPtr MenuFromTemplate(const std::vector<MenuItemTemplate>& items);
// Destroys the menu and its sub-menus; the owner is left empty.
bool DestroyMenu(MenuPtr& menu);

// Appends a string item (MF_STRING, with MF_CHECKED / MF_GRAYED) or a
// separator (MF_SEPARATOR; id and text are ignored).
bool AppendMenu(HMENU menu, uint32_t flags, uint16_t id, std::u16string_view text);
// Appends a pop-up item; the menu takes the sub-menu over.
bool AppendMenu(HMENU menu, uint32_t flags, MenuPtr popup, std::u16string_view text);

// The pop-up at position pos, or null.
HMENU GetSubMenu(HMENU menu, int pos);
int GetMenuItemCount(HMENU menu);
// The item's command id; -1 for a pop-up, a separator or no item (0xFFFFFFFF).
uint32_t GetMenuItemID(HMENU menu, int pos);

// By command (searched through the sub-menus too) or by position
// (MF_BYPOSITION). Return the previous state (MF_CHECKED or MF_UNCHECKED;
// MF_GRAYED or MF_ENABLED), or 0xFFFFFFFF when no such item exists.
constexpr uint32_t kNoMenuItem = 0xFFFFFFFF;
uint32_t CheckMenuItem(HMENU menu, uint32_t item, uint32_t flags);
uint32_t EnableMenuItem(HMENU menu, uint32_t item, uint32_t flags);
// The item's flags, 0xFFFFFFFF when no such item exists.
uint32_t GetMenuState(HMENU menu, uint32_t item, uint32_t flags);
// The item's text (empty for no item).
std::u16string GetMenuString(HMENU menu, uint32_t item, uint32_t flags);

// TrackPopupMenu flags.
constexpr uint32_t TPM_LEFTALIGN = 0x0000;
constexpr uint32_t TPM_CENTERALIGN = 0x0004;
constexpr uint32_t TPM_RIGHTALIGN = 0x0008;
constexpr uint32_t TPM_TOPALIGN = 0x0000;
constexpr uint32_t TPM_VCENTERALIGN = 0x0010;
constexpr uint32_t TPM_BOTTOMALIGN = 0x0020;
constexpr uint32_t TPM_NONOTIFY = 0x0080;
constexpr uint32_t TPM_RETURNCMD = 0x0100;

// Shows the menu with its corner at screen point (x, y) as the alignment
// flags say, and waits (timers and posted messages go on) until an item is
// chosen or the menu is dismissed. The owner first receives
// WM_INITMENUPOPUP (wParam the menu). A chosen item is posted to the owner
// as WM_COMMAND, unless TPM_RETURNCMD asks for its id as the result.
// Returns the id (TPM_RETURNCMD) or 1 when an item was chosen, 0 when the
// menu was dismissed or could not be shown.
int32_t TrackPopupMenu(HMENU menu, uint32_t flags, int32_t x, int32_t y, int32_t reserved,
                       device::HWND owner, const gdi::RECT* excluded);

// Where a menu of the given size goes for the point and flags: aligned as
// asked, then moved so that it lies inside the screen.
gdi::RECT PlacePopup(gdi::POINT at, int32_t width, int32_t height, uint32_t flags, const gdi::RECT& screen);
// Where a sub-menu goes beside the item that opens it (item in screen
// coordinates): to the right of the parent menu, or to its left when there
// is no room, top aligned with the item, inside the screen.
gdi::RECT PlaceSubMenu(const gdi::RECT& parentMenu, const gdi::RECT& item, int32_t width, int32_t height,
                       const gdi::RECT& screen);

// The tracked menu's window while TrackPopupMenu runs, or null (tests).
device::HWND TrackedMenuWindow();

}  // namespace controls
