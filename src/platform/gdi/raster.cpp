#include "platform/gdi/raster.h"

#include <algorithm>
#include <cstring>

namespace gdi {

RECT DeviceRect(const DeviceContext& dc, int64_t left, int64_t top, int64_t right, int64_t bottom) {
    const RECT drawable = dc.drawableRect();
    if (drawable.empty()) return RECT{};
    const int64_t l = std::max<int64_t>(left + dc.origin.x, drawable.left);
    const int64_t t = std::max<int64_t>(top + dc.origin.y, drawable.top);
    const int64_t r = std::min<int64_t>(right + dc.origin.x, drawable.right);
    const int64_t b = std::min<int64_t>(bottom + dc.origin.y, drawable.bottom);
    if (l >= r || t >= b) return RECT{};
    return RECT{int32_t(l), int32_t(t), int32_t(r), int32_t(b)};
}

void FillPixels(Bitmap& bitmap, const RECT& area, Rgb color) {
    if (area.empty()) return;
    const int32_t bytes = bitmap.bitsPerPixel() / 8;
    const size_t span = size_t(area.width()) * size_t(bytes);
    // Paint the first row pixel by pixel, then copy it to the others.
    uint8_t* first = bitmap.row(area.top) + size_t(area.left) * size_t(bytes);
    uint8_t sample[4];
    WritePixelAt(sample, bitmap.bitsPerPixel(), color);
    for (size_t i = 0; i < span; i += size_t(bytes)) std::memcpy(first + i, sample, size_t(bytes));
    for (int32_t y = area.top + 1; y < area.bottom; ++y)
        std::memcpy(bitmap.row(y) + size_t(area.left) * size_t(bytes), first, span);
}

namespace {
template <int Bits>
void InvertRows(Bitmap& bitmap, const RECT& area) {
    for (int32_t y = area.top; y < area.bottom; ++y) {
        uint8_t* p = bitmap.row(y) + size_t(area.left) * (Bits / 8);
        for (int32_t x = area.left; x < area.right; ++x, p += Bits / 8) InvertPixel<Bits>(p);
    }
}
}  // namespace

void InvertPixels(Bitmap& bitmap, const RECT& area) {
    if (area.empty()) return;
    switch (bitmap.bitsPerPixel()) {
    case 16: InvertRows<16>(bitmap, area); break;
    case 24: InvertRows<24>(bitmap, area); break;
    default: InvertRows<32>(bitmap, area); break;
    }
}

void PaintPixels(Bitmap& bitmap, const RECT& area, int rop2, Rgb color) {
    if (rop2 == R2_NOT)
        InvertPixels(bitmap, area);
    else
        FillPixels(bitmap, area, color);
}

void PaintDestination(DeviceContext& dc, int64_t x, int64_t y, int64_t w, int64_t h, uint32_t rop) {
    if (!dc.bitmap) return;
    if (w < 0) x += w, w = -w;
    if (h < 0) y += h, h = -h;
    const RECT area = DeviceRect(dc, x, y, x + w, y + h);
    switch (rop) {
    case PATCOPY:
        if (dc.brush) FillPixels(*dc.bitmap, area, ToRgb(dc.brush->color));
        break;
    case DSTINVERT: InvertPixels(*dc.bitmap, area); break;
    case BLACKNESS: FillPixels(*dc.bitmap, area, Rgb{0, 0, 0}); break;
    case WHITENESS: FillPixels(*dc.bitmap, area, Rgb{255, 255, 255}); break;
    default: break;
    }
}

}  // namespace gdi
