#include "platform/controls/resources.h"

#include <algorithm>
#include <array>
#include <map>

#include "platform/controls/menu.h"
#include "platform/gdi/pixel_format.h"

namespace controls {
namespace {

struct Table {
    std::map<uint32_t, std::u16string> strings;
    std::map<int, MenuTemplate> menus;
    std::map<int, MenuBarTemplate> menuBars;
    std::map<int, PixelArt> bitmaps;
    std::map<int, PixelArt> icons;
};

Table& Resources() {
    static Table table;
    return table;
}

// The colour of one character: the map's own palette first, then the default.
bool ColourOf(const PixelArt& art, char c, gdi::COLORREF* out) {
    for (const auto& [key, colour] : art.palette)
        if (key == c) return *out = colour, true;
    for (const auto& [key, colour] : DefaultPalette())
        if (key == c) return *out = colour, true;
    return false;
}

}  // namespace

void MenuDeleter::operator()(Menu* menu) const { delete menu; }

void DefineString(uint32_t id, std::u16string text) { Resources().strings[id] = std::move(text); }

int LoadString(HINSTANCE, uint32_t id, char16_t* buffer, int size) {
    if (!buffer || size < 1) return 0;
    buffer[0] = 0;
    auto it = Resources().strings.find(id);
    if (it == Resources().strings.end()) return 0;
    const int n = int(std::min<size_t>(it->second.size(), size_t(size - 1)));
    std::copy_n(it->second.data(), n, buffer);
    buffer[n] = 0;
    return n;
}

std::u16string LoadStringText(uint32_t id) {
    auto it = Resources().strings.find(id);
    return it == Resources().strings.end() ? std::u16string() : it->second;
}

MenuItemTemplate MenuString(std::u16string text, uint16_t id, uint32_t flags) {
    return {std::move(text), id, flags & ~(MF_POPUP | MF_SEPARATOR), {}};
}

MenuItemTemplate MenuSeparator() { return {u"", 0, MF_SEPARATOR, {}}; }

MenuItemTemplate MenuPopup(std::u16string text, std::vector<MenuItemTemplate> items) {
    return {std::move(text), 0, MF_POPUP, std::move(items)};
}

void DefineMenu(int id, MenuTemplate menu) { Resources().menus[id] = std::move(menu); }

const MenuTemplate* FindMenuTemplate(int id) {
    auto it = Resources().menus.find(id);
    return it == Resources().menus.end() ? nullptr : &it->second;
}

MenuPtr LoadMenu(HINSTANCE, int id) {
    const MenuTemplate* menu = FindMenuTemplate(id);
    return menu ? MenuFromTemplate(menu->items) : nullptr;
}

MenuBarButtonTemplate BarDropDown(uint16_t command, uint32_t captionId, uint16_t subMenu) {
    return {I_IMAGENONE, command, TBSTATE_ENABLED, uint8_t(TBSTYLE_DROPDOWN | TBSTYLE_AUTOSIZE), captionId,
            subMenu};
}

MenuBarButtonTemplate BarImage(int32_t image, uint16_t command) {
    return {image, command, TBSTATE_ENABLED, TBSTYLE_BUTTON, 0, NOMENU};
}

MenuBarButtonTemplate BarDisabledText(uint32_t stringId, uint16_t command) {
    return {I_IMAGENONE, command, 0, uint8_t(TBSTYLE_BUTTON | TBSTYLE_AUTOSIZE), stringId, NOMENU};
}

MenuBarButtonTemplate BarSeparator() { return {0, 0, TBSTATE_ENABLED, TBSTYLE_SEP, 0, NOMENU}; }

void DefineMenuBar(int id, MenuBarTemplate bar) { Resources().menuBars[id] = std::move(bar); }

const MenuBarTemplate* FindMenuBarTemplate(int id) {
    auto it = Resources().menuBars.find(id);
    return it == Resources().menuBars.end() ? nullptr : &it->second;
}

void DefineAcceleratorTable(int id, device::AcceleratorTable table) {
    device::DefineAccelerators(id, std::move(table));
}

device::HACCEL LoadAccelerators(HINSTANCE, int id) { return device::LoadAccelerators(id); }

const std::vector<std::pair<char, gdi::COLORREF>>& DefaultPalette() {
    static const std::vector<std::pair<char, gdi::COLORREF>> palette{
        {'.', kTransparentKey},          {'k', gdi::RGB(0, 0, 0)},       {'w', gdi::RGB(255, 255, 255)},
        {'g', gdi::RGB(128, 128, 128)},  {'l', gdi::RGB(192, 192, 192)}, {'d', gdi::RGB(64, 64, 64)},
        {'r', gdi::RGB(255, 0, 0)},      {'G', gdi::RGB(0, 160, 0)},     {'b', gdi::RGB(0, 0, 255)},
        {'n', gdi::RGB(0, 0, 128)},      {'y', gdi::RGB(255, 255, 0)},   {'o', gdi::RGB(255, 128, 0)},
        {'c', gdi::RGB(0, 255, 255)},
    };
    return palette;
}

void DefineBitmap(int id, PixelArt art) { Resources().bitmaps[id] = std::move(art); }

gdi::BitmapPtr BitmapFromPixelArt(const PixelArt& art) {
    if (art.rows.empty() || art.rows.front().empty()) return nullptr;
    const size_t width = art.rows.front().size();
    if (width > size_t(gdi::kMaxBitmapSide) || art.rows.size() > size_t(gdi::kMaxBitmapSide)) return nullptr;
    for (const std::string& row : art.rows)
        if (row.size() != width) return nullptr;

    gdi::BITMAPINFO info;
    info.bmiHeader.biWidth = int32_t(width);
    info.bmiHeader.biHeight = int32_t(art.rows.size());  // bottom-up, as bitmap resources are
    info.bmiHeader.biBitCount = 24;
    void* bits = nullptr;
    gdi::BitmapPtr bitmap = gdi::CreateDIBSection(nullptr, &info, gdi::DIB_RGB_COLORS, &bits);
    if (!bitmap) return nullptr;
    for (int32_t y = 0; y < bitmap->height(); ++y) {
        uint8_t* out = bitmap->row(y);
        for (char c : art.rows[size_t(y)]) {
            gdi::COLORREF colour;
            if (!ColourOf(art, c, &colour)) return nullptr;
            gdi::WritePixel<24>(out, gdi::ToRgb(colour));
            out += 3;
        }
    }
    return bitmap;
}

gdi::BitmapPtr LoadBitmap(HINSTANCE, int id) {
    auto it = Resources().bitmaps.find(id);
    return it == Resources().bitmaps.end() ? nullptr : BitmapFromPixelArt(it->second);
}

QImage ImageFromBitmap(const gdi::Bitmap& bitmap, gdi::COLORREF key) {
    const int32_t bpp = bitmap.bitsPerPixel();
    if (!bitmap.pixels() || (bpp != 16 && bpp != 24 && bpp != 32)) return {};
    QImage image(bitmap.width(), bitmap.height(), QImage::Format_ARGB32);
    if (image.isNull()) return {};
    // The key as a pixel of this depth reads back (16 bits lose low bits).
    uint8_t cell[4] = {};
    gdi::WritePixelAt(cell, bpp, gdi::ToRgb(key == kNoKey ? 0 : key));
    const gdi::Rgb transparent = gdi::ReadPixelAt(cell, bpp);
    const size_t bytes = size_t(bpp / 8);
    for (int32_t y = 0; y < bitmap.height(); ++y) {
        const uint8_t* in = bitmap.row(y);
        auto* out = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int32_t x = 0; x < bitmap.width(); ++x, in += bytes) {
            const gdi::Rgb c = gdi::ReadPixelAt(in, bpp);
            out[x] = (key != kNoKey && c == transparent) ? qRgba(0, 0, 0, 0) : qRgb(c.r, c.g, c.b);
        }
    }
    return image;
}

void DefineIcon(int id, PixelArt art) { Resources().icons[id] = std::move(art); }

gdi::BitmapPtr LoadIconBitmap(HINSTANCE, int id) {
    auto it = Resources().icons.find(id);
    return it == Resources().icons.end() ? nullptr : BitmapFromPixelArt(it->second);
}

QImage LoadIcon(HINSTANCE instance, int id) {
    gdi::BitmapPtr bitmap = LoadIconBitmap(instance, id);
    return bitmap ? ImageFromBitmap(*bitmap) : QImage();
}

void ClearResources() { Resources() = Table{}; }

}  // namespace controls
