#pragma once
// The program's resources as C++ data, found by id: strings, menus, menu-bar
// layouts, accelerator tables, bitmaps drawn as text pixel maps, and the
// application icon. The program defines its resources once at start; the
// Load calls then read them the way the handheld's resource calls do.
#include <QImage>

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "platform/device/accelerators.h"
#include "platform/gdi/bitmap.h"
#include "platform/gdi/types.h"

namespace controls {

using HINSTANCE = void*;

class Menu;
struct MenuDeleter {
    void operator()(Menu* menu) const;
};
using MenuPtr = std::unique_ptr<Menu, MenuDeleter>;

// ---- Strings ----------------------------------------------------------------

void DefineString(uint32_t id, std::u16string text);
// Copies at most size - 1 characters of string id and a terminating zero;
// returns the number copied (0 for an unknown id, no buffer or size below 1,
// which leaves the buffer empty when it has room).
int LoadString(HINSTANCE instance, uint32_t id, char16_t* buffer, int size);
// The whole string, empty for an unknown id.
std::u16string LoadStringText(uint32_t id);

// ---- Menus ------------------------------------------------------------------

// Item flags, as the handheld's menu resources and calls spell them.
constexpr uint32_t MF_STRING = 0x0000;
constexpr uint32_t MF_ENABLED = 0x0000;
constexpr uint32_t MF_UNCHECKED = 0x0000;
constexpr uint32_t MF_BYCOMMAND = 0x0000;
constexpr uint32_t MF_GRAYED = 0x0001;
constexpr uint32_t MF_DISABLED = 0x0002;
constexpr uint32_t MF_CHECKED = 0x0008;
constexpr uint32_t MF_POPUP = 0x0010;
constexpr uint32_t MF_BYPOSITION = 0x0400;
constexpr uint32_t MF_SEPARATOR = 0x0800;

struct MenuItemTemplate {
    std::u16string text;
    uint16_t id = 0;
    uint32_t flags = MF_STRING;
    std::vector<MenuItemTemplate> items;  // the pop-up's items when flags has MF_POPUP
};

struct MenuTemplate {
    std::vector<MenuItemTemplate> items;
};

// Shorthands for writing templates.
MenuItemTemplate MenuString(std::u16string text, uint16_t id, uint32_t flags = MF_STRING);
MenuItemTemplate MenuSeparator();
MenuItemTemplate MenuPopup(std::u16string text, std::vector<MenuItemTemplate> items);

void DefineMenu(int id, MenuTemplate menu);
const MenuTemplate* FindMenuTemplate(int id);
// A new menu made from the template (null for an unknown id).
MenuPtr LoadMenu(HINSTANCE instance, int id);

// ---- Menu-bar layouts -------------------------------------------------------

// Button styles and states, as in toolbar button records.
constexpr uint8_t TBSTATE_ENABLED = 0x04;
constexpr uint8_t TBSTYLE_BUTTON = 0x00;
constexpr uint8_t TBSTYLE_SEP = 0x01;
constexpr uint8_t TBSTYLE_DROPDOWN = 0x08;
constexpr uint8_t TBSTYLE_AUTOSIZE = 0x10;
constexpr int32_t I_IMAGENONE = -2;
constexpr uint16_t NOMENU = 0xFFFF;

// One button of a menu bar, left to right.
struct MenuBarButtonTemplate {
    int32_t image = I_IMAGENONE;  // index into the bar's images
    uint16_t command = 0;
    uint8_t state = TBSTATE_ENABLED;
    uint8_t style = TBSTYLE_BUTTON;
    uint32_t stringId = 0;        // caption (0: none)
    uint16_t subMenu = NOMENU;    // pop-up index in the menu of the bar's menu id
};

struct MenuBarTemplate {
    int menuId = 0;  // the menu whose pop-ups the drop-down buttons open (0: none)
    std::vector<MenuBarButtonTemplate> buttons;
};

// Shorthands: a drop-down button with a caption string and pop-up index; an
// image button; a disabled text button; a separator.
MenuBarButtonTemplate BarDropDown(uint16_t command, uint32_t captionId, uint16_t subMenu);
MenuBarButtonTemplate BarImage(int32_t image, uint16_t command);
MenuBarButtonTemplate BarDisabledText(uint32_t stringId, uint16_t command);
MenuBarButtonTemplate BarSeparator();

void DefineMenuBar(int id, MenuBarTemplate bar);
const MenuBarTemplate* FindMenuBarTemplate(int id);

// ---- Accelerators -----------------------------------------------------------

// The device keeps accelerator tables; these put one there and fetch it.
void DefineAcceleratorTable(int id, device::AcceleratorTable table);
device::HACCEL LoadAccelerators(HINSTANCE instance, int id);

// ---- Bitmaps ----------------------------------------------------------------

// A picture as rows of characters, one character a pixel, each character a
// colour of the palette. The default palette covers the usual characters
// ('.' is magenta, the transparent colour of image lists).
struct PixelArt {
    std::vector<std::string> rows;
    std::vector<std::pair<char, gdi::COLORREF>> palette;  // added to, and overriding, the default
};

constexpr gdi::COLORREF kTransparentKey = gdi::RGB(255, 0, 255);
// The default palette: '.' magenta, 'k' black, 'w' white, 'g' grey, 'l' light
// grey, 'd' dark grey, 'r' red, 'G' green, 'b' blue, 'n' navy, 'y' yellow,
// 'o' orange, 'c' cyan.
const std::vector<std::pair<char, gdi::COLORREF>>& DefaultPalette();

void DefineBitmap(int id, PixelArt art);
// A 24-bit bitmap of the pixel map; null for an unknown id, an empty map,
// rows of unequal length, a character outside the palette, or no memory.
gdi::BitmapPtr LoadBitmap(HINSTANCE instance, int id);
// The same for a pixel map in hand.
gdi::BitmapPtr BitmapFromPixelArt(const PixelArt& art);

// A bitmap as a Qt image for showing; pixels of the key colour become
// transparent (pass kNoKey to keep every pixel).
constexpr gdi::COLORREF kNoKey = 0xFFFFFFFF;
QImage ImageFromBitmap(const gdi::Bitmap& bitmap, gdi::COLORREF key = kTransparentKey);

// ---- Icons ------------------------------------------------------------------

// Icons are pixel maps too; magenta is their transparent part.
void DefineIcon(int id, PixelArt art);
// Null image for an unknown or bad icon.
QImage LoadIcon(HINSTANCE instance, int id);
// The icon as a 24-bit bitmap with magenta where it is transparent; null as above.
gdi::BitmapPtr LoadIconBitmap(HINSTANCE instance, int id);

// Forgets every resource (tests).
void ClearResources();

}  // namespace controls
