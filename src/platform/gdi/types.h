#pragma once
// Plain data types of the drawing core, shaped like the handheld's so that
// drawing code reads the same: rectangles, points, colours, bitmap headers.
#include <cstdint>

namespace gdi {

struct POINT {
    int32_t x = 0;
    int32_t y = 0;
};

// Left/top inclusive, right/bottom exclusive.
struct RECT {
    int32_t left = 0;
    int32_t top = 0;
    int32_t right = 0;
    int32_t bottom = 0;
    int32_t width() const { return right - left; }
    int32_t height() const { return bottom - top; }
    bool empty() const { return right <= left || bottom <= top; }
    friend bool operator==(const RECT&, const RECT&) = default;
};

RECT IntersectRect(const RECT& a, const RECT& b);

// 0x00BBGGRR, as the handheld packs it.
using COLORREF = uint32_t;
constexpr COLORREF RGB(uint8_t r, uint8_t g, uint8_t b) {
    return COLORREF(r) | (COLORREF(g) << 8) | (COLORREF(b) << 16);
}
constexpr uint8_t GetRValue(COLORREF c) { return uint8_t(c); }
constexpr uint8_t GetGValue(COLORREF c) { return uint8_t(c >> 8); }
constexpr uint8_t GetBValue(COLORREF c) { return uint8_t(c >> 16); }

constexpr uint32_t BI_RGB = 0;
constexpr uint32_t DIB_RGB_COLORS = 0;

struct BITMAPINFOHEADER {
    uint32_t biSize = 40;
    int32_t biWidth = 0;
    int32_t biHeight = 0;  // positive: bottom-up; negative: top-down
    uint16_t biPlanes = 1;
    uint16_t biBitCount = 0;
    uint32_t biCompression = BI_RGB;
    uint32_t biSizeImage = 0;
    int32_t biXPelsPerMeter = 0;
    int32_t biYPelsPerMeter = 0;
    uint32_t biClrUsed = 0;
    uint32_t biClrImportant = 0;
};

struct RGBQUAD {
    uint8_t rgbBlue = 0, rgbGreen = 0, rgbRed = 0, rgbReserved = 0;
};

struct BITMAPINFO {
    BITMAPINFOHEADER bmiHeader;
    RGBQUAD bmiColors[1];
};

// What the object query of a bitmap reports. bmBits is null for bitmaps whose
// memory the program cannot reach (those compatible with a device context).
struct BITMAP {
    int32_t bmType = 0;
    int32_t bmWidth = 0;
    int32_t bmHeight = 0;
    int32_t bmWidthBytes = 0;
    uint16_t bmPlanes = 1;
    uint16_t bmBitsPixel = 0;
    void* bmBits = nullptr;
};

// Row length in bytes of a device-independent bitmap.
constexpr int64_t DibStride(int64_t width, int64_t bitsPerPixel) {
    return ((width * bitsPerPixel + 31) & ~int64_t(31)) / 8;
}

// Raster operations of BitBlt/StretchBlt.
constexpr uint32_t SRCCOPY = 0x00CC0020;
constexpr uint32_t PATCOPY = 0x00F00021;
constexpr uint32_t DSTINVERT = 0x00550009;
constexpr uint32_t BLACKNESS = 0x00000042;
constexpr uint32_t WHITENESS = 0x00FF0062;

// Line drawing modes (SetROP2).
constexpr int R2_COPYPEN = 13;
constexpr int R2_NOT = 6;

}  // namespace gdi
