#pragma once
// A bitmap selected into a memory context, with raw pixel access that does
// not go through the drawing core's own pixel code.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "platform/gdi/bitmap.h"
#include "platform/gdi/device_context.h"

namespace gdi::test {

struct Color {
    uint8_t r = 0, g = 0, b = 0;
    friend bool operator==(const Color&, const Color&) = default;
};

inline std::ostream& operator<<(std::ostream& out, const Color& c) {
    return out << "(" << int(c.r) << "," << int(c.g) << "," << int(c.b) << ")";
}

class Surface {
public:
    Surface(int32_t width, int32_t height, int32_t bits, bool bottomUp = false) {
        BITMAPINFO info{};
        info.bmiHeader.biWidth = width;
        info.bmiHeader.biHeight = bottomUp ? height : -height;
        info.bmiHeader.biBitCount = uint16_t(bits);
        bitmap = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, nullptr);
        dc = CreateCompatibleDC(nullptr);
        if (bitmap) SelectObject(dc.get(), bitmap.get());
    }
    operator HDC() const { return dc.get(); }
    int32_t width() const { return bitmap->width(); }
    int32_t height() const { return bitmap->height(); }
    int32_t bits() const { return bitmap->bitsPerPixel(); }

    // Address of pixel (x, y), y counted from the top, computed from the
    // header alone.
    uint8_t* at(int32_t x, int32_t y) const {
        const int32_t line = bitmap->bottomUp() ? height() - 1 - y : y;
        return bitmap->pixels() + size_t(bitmap->stride()) * line + size_t(x) * (bits() / 8);
    }
    // The pixel as stored: the 16-bit word, the 3 bytes, or the 32-bit word.
    uint32_t raw(int32_t x, int32_t y) const {
        const uint8_t* p = at(x, y);
        uint32_t v = 0;
        for (int i = bits() / 8 - 1; i >= 0; --i) v = (v << 8) | p[i];
        return v;
    }
    void setRaw(int32_t x, int32_t y, uint32_t v) {
        uint8_t* p = at(x, y);
        for (int i = 0; i < bits() / 8; ++i, v >>= 8) p[i] = uint8_t(v);
    }
    Color get(int32_t x, int32_t y) const {
        const uint32_t v = raw(x, y);
        if (bits() == 16)
            return {uint8_t(((v >> 10) & 31) * 8), uint8_t(((v >> 5) & 31) * 8), uint8_t((v & 31) * 8)};
        return {uint8_t(v >> 16), uint8_t(v >> 8), uint8_t(v)};
    }
    // Colours whose channels are multiples of 8 up to 248 survive every depth.
    void set(int32_t x, int32_t y, Color c) {
        if (bits() == 16)
            setRaw(x, y, uint32_t(c.r / 8) << 10 | uint32_t(c.g / 8) << 5 | uint32_t(c.b / 8));
        else
            setRaw(x, y, uint32_t(c.r) << 16 | uint32_t(c.g) << 8 | c.b | (bits() == 32 ? 0xFF000000u : 0));
    }
    void fill(Color c) {
        for (int32_t y = 0; y < height(); ++y)
            for (int32_t x = 0; x < width(); ++x) set(x, y, c);
    }
    // A distinct colour per pixel, exact in every depth.
    static Color Pattern(int32_t x, int32_t y) { return {uint8_t(8 + 8 * x), uint8_t(8 + 8 * y), 200}; }
    void fillPattern() {
        for (int32_t y = 0; y < height(); ++y)
            for (int32_t x = 0; x < width(); ++x) set(x, y, Pattern(x, y));
    }

    BitmapPtr bitmap;
    DeviceContextPtr dc;
};

inline const Color kMarker{40, 80, 120};

inline std::string DepthName(int bits, bool bottomUp) {
    return std::to_string(bits) + (bottomUp ? " bottom-up" : " top-down");
}

}  // namespace gdi::test
