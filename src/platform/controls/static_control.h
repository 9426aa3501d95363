#pragma once
// The static control ("static"): a line of text (left, centred, right;
// words wrap), a bitmap (SS_BITMAP) or an icon (SS_ICON, drawn with the
// magenta 0xFF00FF transparent). A bitmap or icon comes from the resource
// named by the text ("#176") or from STM_SETIMAGE; one set by STM_SETIMAGE
// stays the caller's.
#include <cstdint>
#include <functional>

#include "platform/device/window.h"
#include "platform/gdi/bitmap.h"

namespace controls {

constexpr uint32_t SS_LEFT = 0x0000;
constexpr uint32_t SS_CENTER = 0x0001;
constexpr uint32_t SS_RIGHT = 0x0002;
constexpr uint32_t SS_ICON = 0x0003;
constexpr uint32_t SS_LEFTNOWORDWRAP = 0x000C;
constexpr uint32_t SS_BITMAP = 0x000E;
constexpr uint32_t SS_TYPEMASK = 0x001F;
constexpr uint32_t SS_NOPREFIX = 0x0080;
constexpr uint32_t SS_CENTERIMAGE = 0x0200;

constexpr uint32_t STM_SETICON = 0x0170;
constexpr uint32_t STM_GETICON = 0x0171;
constexpr uint32_t STM_SETIMAGE = 0x0172;
constexpr uint32_t STM_GETIMAGE = 0x0173;
constexpr uint32_t IMAGE_BITMAP = 0;
constexpr uint32_t IMAGE_ICON = 1;

// The transparent colour of icons.
constexpr gdi::COLORREF kIconTransparent = gdi::RGB(255, 0, 255);

// Where bitmap and icon resources come from; the loader returns null for an
// unknown id. Without one, the resource table's bitmaps, then its icons.
using BitmapResourceLoader = std::function<gdi::BitmapPtr(int id)>;
void SetBitmapResourceLoader(BitmapResourceLoader loader);
gdi::BitmapPtr LoadBitmapResource(int id);
// The id in a resource reference "#176"; -1 when the text is none.
int ResourceIdOf(std::u16string_view text);

bool RegisterStaticClass();

}  // namespace controls
