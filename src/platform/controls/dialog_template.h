#pragma once
// Dialog templates as data: the dialog's style, place and size in dialog
// units, its font and caption, and its controls in order (the order is the
// stacking order and the tab order). Templates are found by id.
//
// Dialog units become pixels through the font's base units, as on the
// handheld: x pixels = x * baseX / 4, y pixels = y * baseY / 8. The base
// units are those of the device's "System" font at its two sizes in use:
// 8 points gives 6 x 12, 10 points 7 x 13 (other sizes scale from 10). They
// are the average character width and the line height of that font on the
// 240-pixel screen, and they make the program's full-width templates (135 to
// 151 units wide) fill the screen without spilling past its 240 pixels.
#include <cstdint>
#include <string>
#include <vector>

#include "platform/gdi/types.h"

namespace controls {

// Dialog styles.
constexpr uint32_t DS_ABSALIGN = 0x0001;
constexpr uint32_t DS_SETFONT = 0x0040;
constexpr uint32_t DS_MODALFRAME = 0x0080;
constexpr uint32_t DS_CONTROL = 0x0400;
constexpr uint32_t DS_CENTER = 0x0800;

struct DialogItem {
    std::u16string className;  // "button", "static", "edit", "combobox", "msctls_updown32"...
    std::u16string text;       // for bitmap and icon statics: "#" and the resource id
    int32_t id = -1;
    uint32_t style = 0;        // WS_CHILD is implied
    gdi::RECT rect;            // left, top, right, bottom in dialog units
};

struct DialogTemplate {
    uint32_t style = 0;
    gdi::RECT rect;  // in dialog units
    std::u16string font = u"System";
    int pointSize = 8;
    std::u16string caption;
    std::vector<DialogItem> items;
};

// A rectangle in dialog units from x, y, width and height, as templates give it.
constexpr gdi::RECT DialogRect(int32_t x, int32_t y, int32_t w, int32_t h) { return {x, y, x + w, y + h}; }

// The template table. A later registration of an id replaces the earlier one.
void RegisterDialogTemplate(int id, DialogTemplate dialogTemplate);
// Null when no template has the id.
const DialogTemplate* FindDialogTemplate(int id);

struct BaseUnits {
    int32_t x = 0;
    int32_t y = 0;
};
BaseUnits DialogBaseUnits(int pointSize);
// Dialog units to pixels (MapDialogRect): each edge is converted on its own.
gdi::RECT DialogUnitsToPixels(const gdi::RECT& units, BaseUnits base);
// The pixel size of text of the font (its height in pixels).
int32_t DialogFontPixels(int pointSize);

}  // namespace controls
