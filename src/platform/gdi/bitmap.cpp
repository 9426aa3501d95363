#include "platform/gdi/bitmap.h"

#include <algorithm>
#include <cstdlib>

#include "platform/gdi/memory_budget.h"
#include "platform/gdi/pixel_memory.h"

namespace gdi {

RECT IntersectRect(const RECT& a, const RECT& b) {
    RECT r{std::max(a.left, b.left), std::max(a.top, b.top), std::min(a.right, b.right),
           std::min(a.bottom, b.bottom)};
    if (r.empty()) return RECT{};
    return r;
}

Bitmap::~Bitmap() {
    if (pixels_) {
        FreePixels(pixels_, capacity_);
        ReleaseMemory(byteSize());
    }
}

std::unique_ptr<Bitmap> Bitmap::Create(int32_t width, int32_t height, int32_t bitsPerPixel,
                                       bool bottomUp, bool programVisible) {
    if (width <= 0 || height <= 0 || width > kMaxBitmapSide || height > kMaxBitmapSide) return nullptr;
    if (bitsPerPixel != 16 && bitsPerPixel != 24 && bitsPerPixel != 32) return nullptr;
    const uint64_t stride = uint64_t(DibStride(width, bitsPerPixel));
    const uint64_t bytes = stride * uint64_t(height);  // < 2^20 * 2^22: no overflow
    if (bytes > kMaxBitmapBytes) return nullptr;
    if (!ReserveMemory(bytes)) return nullptr;
    size_t capacity = 0;
    uint8_t* pixels = AllocatePixels(size_t(bytes), &capacity);
    if (!pixels) {
        ReleaseMemory(bytes);
        return nullptr;
    }
    std::unique_ptr<Bitmap> bitmap(new Bitmap);
    bitmap->width_ = width;
    bitmap->height_ = height;
    bitmap->bitsPerPixel_ = bitsPerPixel;
    bitmap->stride_ = int32_t(stride);
    bitmap->bottomUp_ = bottomUp;
    bitmap->programVisible_ = programVisible;
    bitmap->pixels_ = pixels;
    bitmap->capacity_ = capacity;
    return bitmap;
}

BitmapPtr CreateDIBSection(HDC, const BITMAPINFO* info, uint32_t usage, void** bits, void* section,
                           uint32_t offset) {
    if (bits) *bits = nullptr;
    if (!info || usage != DIB_RGB_COLORS || section || offset) return nullptr;
    const BITMAPINFOHEADER& h = info->bmiHeader;
    if (h.biSize < sizeof(BITMAPINFOHEADER) || h.biPlanes != 1 || h.biCompression != BI_RGB) return nullptr;
    if (h.biHeight == INT32_MIN) return nullptr;
    const bool bottomUp = h.biHeight > 0;
    const int32_t height = bottomUp ? h.biHeight : -h.biHeight;
    BitmapPtr bitmap = Bitmap::Create(h.biWidth, height, h.biBitCount, bottomUp, true);
    if (bitmap && bits) *bits = bitmap->pixels();
    return bitmap;
}

BitmapPtr CreateCompatibleBitmap(HDC, int32_t width, int32_t height) {
    BitmapPtr bitmap = Bitmap::Create(width, height, 32, false, false);
    // Black, with the unused byte of every pixel 0xFF as every drawing call
    // writes it, so the memory reads as opaque 0xFFRRGGBB words throughout.
    if (bitmap) {
        uint8_t* p = bitmap->pixels();
        for (size_t i = 3; i < bitmap->byteSize(); i += 4) p[i] = 0xFF;
    }
    return bitmap;
}

int GetObject(HBITMAP bitmap, int size, BITMAP* out) {
    if (!bitmap || !out || size < int(sizeof(BITMAP))) return 0;
    out->bmType = 0;
    out->bmWidth = bitmap->width();
    out->bmHeight = bitmap->height();
    out->bmWidthBytes = bitmap->stride();
    out->bmPlanes = 1;
    out->bmBitsPixel = uint16_t(bitmap->bitsPerPixel());
    out->bmBits = bitmap->programVisible() ? bitmap->pixels() : nullptr;
    return int(sizeof(BITMAP));
}

}  // namespace gdi
