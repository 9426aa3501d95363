#pragma once
// Bitmaps: device-independent sections (16-bit 5-5-5, 24-bit blue-green-red,
// 32-bit blue-green-red-unused; bottom-up or top-down) whose pixel memory the
// program reads and writes, and bitmaps compatible with a device context,
// whose memory only the drawing core touches.
#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

#include "platform/gdi/types.h"

namespace gdi {

class DeviceContext;
using HDC = DeviceContext*;

class Bitmap {
public:
    ~Bitmap();
    Bitmap(const Bitmap&) = delete;
    Bitmap& operator=(const Bitmap&) = delete;

    int32_t width() const { return width_; }
    int32_t height() const { return height_; }
    int32_t bitsPerPixel() const { return bitsPerPixel_; }
    int32_t stride() const { return stride_; }
    bool bottomUp() const { return bottomUp_; }
    // False for compatible bitmaps: the object query then reports no pixels.
    bool programVisible() const { return programVisible_; }

    // Start of picture row y, counted from the top, whatever the row order.
    uint8_t* row(int32_t y) {
        return pixels_ + size_t(stride_) * size_t(bottomUp_ ? height_ - 1 - y : y);
    }
    const uint8_t* row(int32_t y) const { return const_cast<Bitmap*>(this)->row(y); }
    uint8_t* pixels() { return pixels_; }
    const uint8_t* pixels() const { return pixels_; }
    size_t byteSize() const { return size_t(stride_) * size_t(height_); }

    // Copies halved again and again (level 1 is half the size), made on
    // demand for smooth shrinking and freed with the bitmap. Whoever changes
    // the pixels after a smooth shrink drops them (DropReducedCopies).
    std::vector<std::unique_ptr<Bitmap>>& reducedCopies() const { return reduced_; }

    // Only the creation functions below make bitmaps.
    static std::unique_ptr<Bitmap> Create(int32_t width, int32_t height, int32_t bitsPerPixel,
                                          bool bottomUp, bool programVisible);

private:
    Bitmap() = default;
    int32_t width_ = 0;
    int32_t height_ = 0;
    int32_t bitsPerPixel_ = 0;
    int32_t stride_ = 0;
    bool bottomUp_ = true;
    bool programVisible_ = true;
    uint8_t* pixels_ = nullptr;
    size_t capacity_ = 0;  // bytes behind pixels_, at least byteSize()
    mutable std::vector<std::unique_ptr<Bitmap>> reduced_;
};

// The owner of a bitmap; destroying the owner is DeleteObject.
using BitmapPtr = std::unique_ptr<Bitmap>;
using HBITMAP = Bitmap*;

// Largest picture side accepted, and largest pixel memory of one bitmap; both
// far beyond any budget, so that size arithmetic can never overflow.
constexpr int32_t kMaxBitmapSide = 1 << 20;
constexpr uint64_t kMaxBitmapBytes = uint64_t(1) << 34;

// A device-independent bitmap section. Supports BI_RGB at 16, 24 and 32 bits.
// Fails (null, *bits set to null) for bad headers, sizes past the limits, or
// memory past the budget. The pixel memory starts zeroed.
BitmapPtr CreateDIBSection(HDC dc, const BITMAPINFO* info, uint32_t usage, void** bits,
                           void* section = nullptr, uint32_t offset = 0);

// A bitmap in the screen's format (32-bit, top-down) whose memory the program
// cannot reach. Counts against the budget like any other.
BitmapPtr CreateCompatibleBitmap(HDC dc, int32_t width, int32_t height);

// The object query: fills out and returns the number of bytes written
// (sizeof(BITMAP)), or 0 for a null bitmap.
int GetObject(HBITMAP bitmap, int size, BITMAP* out);

}  // namespace gdi
