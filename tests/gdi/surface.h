#pragma once
// A bitmap selected into a memory context, with pixel access computed from
// the header alone (not through the drawing core's pixel code).
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/gdi/bitmap.h"
#include "platform/gdi/device_context.h"

namespace gdi::test {

struct Color {
    uint8_t r = 0, g = 0, b = 0;
    friend bool operator==(const Color&, const Color&) = default;
    friend std::ostream& operator<<(std::ostream& o, Color c) { return o << int(c.r) << "," << int(c.g) << "," << int(c.b); }
};
inline const Color kMarker{40, 80, 120};

struct Surface {
    Surface(int32_t width, int32_t height, int32_t bits, bool bottomUp = false) {
        BITMAPINFO info{};
        info.bmiHeader = {.biWidth = width, .biHeight = bottomUp ? height : -height, .biBitCount = uint16_t(bits)};
        bitmap = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, nullptr);
        SelectObject(dc.get(), bitmap.get());
        fill(kMarker);
    }
    operator HDC() const { return dc.get(); }
    int32_t bits() const { return bitmap->bitsPerPixel(); }
    uint8_t* at(int32_t x, int32_t y) const {
        const int32_t line = bitmap->bottomUp() ? bitmap->height() - 1 - y : y;
        return bitmap->pixels() + size_t(bitmap->stride()) * line + size_t(x) * (bits() / 8);
    }
    // The pixel as stored: the 16-bit word, the 3 bytes, or the 32-bit word.
    uint32_t raw(int32_t x, int32_t y) const {
        uint32_t v = 0;
        for (int i = bits() / 8 - 1; i >= 0; --i) v = (v << 8) | at(x, y)[i];
        return v;
    }
    void setRaw(int32_t x, int32_t y, uint32_t v) {
        for (int i = 0; i < bits() / 8; ++i, v >>= 8) at(x, y)[i] = uint8_t(v);
    }
    Color get(int32_t x, int32_t y) const {
        const uint32_t v = raw(x, y);
        if (bits() == 16) return {uint8_t((v >> 10 & 31) * 8), uint8_t((v >> 5 & 31) * 8), uint8_t((v & 31) * 8)};
        return {uint8_t(v >> 16), uint8_t(v >> 8), uint8_t(v)};
    }
    // Channels that are multiples of 8 (up to 248) survive every depth.
    void set(int32_t x, int32_t y, Color c) {
        setRaw(x, y, bits() == 16 ? uint32_t(c.r / 8) << 10 | uint32_t(c.g / 8) << 5 | uint32_t(c.b / 8)
                                  : uint32_t(c.r) << 16 | uint32_t(c.g) << 8 | c.b | (bits() == 32 ? 0xFF000000u : 0));
    }
    void fill(Color c) {
        for (int32_t y = 0; y < bitmap->height(); ++y)
            for (int32_t x = 0; x < bitmap->width(); ++x) set(x, y, c);
    }
    // A distinct colour per pixel.
    static Color Pattern(int32_t x, int32_t y) { return {uint8_t(8 + 8 * x), uint8_t(8 + 8 * y), 200}; }
    void fillPattern() {
        for (int32_t y = 0; y < bitmap->height(); ++y)
            for (int32_t x = 0; x < bitmap->width(); ++x) set(x, y, Pattern(x, y));
    }
    // Compares with rows of letters: '.' marker, '#' black, 'W' white,
    // 'g' grey 128, 'l' light grey 192.
    void expect(const std::vector<std::string>& rows, const std::string& what) const {
        for (int32_t y = 0; y < int32_t(rows.size()); ++y)
            for (int32_t x = 0; x < int32_t(rows[y].size()); ++x) {
                const char k = rows[y][x];
                const Color want = k == '#' ? Color{0, 0, 0} : k == 'W' ? Color{255, 255, 255}
                                 : k == 'g' ? Color{128, 128, 128} : k == 'l' ? Color{192, 192, 192} : kMarker;
                ASSERT_EQ(get(x, y), want) << what << " at " << x << "," << y;
            }
    }

    BitmapPtr bitmap;
    DeviceContextPtr dc = CreateCompatibleDC(nullptr);
};

}  // namespace gdi::test
