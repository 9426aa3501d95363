#include "platform/controls/image_list.h"

#include <algorithm>

namespace controls {
namespace {

// The mask colour as a pixel of the given depth reads back (16-bit loses the
// low bits of each channel, so magenta is then 248, 0, 248).
gdi::Rgb AtDepth(gdi::COLORREF colour, int32_t bitsPerPixel) {
    uint8_t cell[4] = {};
    gdi::WritePixelAt(cell, bitsPerPixel, gdi::ToRgb(colour));
    return gdi::ReadPixelAt(cell, bitsPerPixel);
}

}  // namespace

std::unique_ptr<ImageList> ImageList::FromBitmap(const gdi::Bitmap& bitmap, int32_t imageWidth,
                                                 gdi::COLORREF mask) {
    const int32_t bpp = bitmap.bitsPerPixel();
    if (imageWidth < 1 || bitmap.width() < imageWidth || bitmap.height() < 1 || !bitmap.pixels() ||
        (bpp != 16 && bpp != 24 && bpp != 32))
        return nullptr;
    std::unique_ptr<ImageList> list(new ImageList);
    list->width_ = imageWidth;
    list->height_ = bitmap.height();
    list->count_ = bitmap.width() / imageWidth;
    list->stripWidth_ = list->count_ * imageWidth;
    // Sides are bounded by the bitmap limits, so the product fits in size_t.
    const size_t n = size_t(list->stripWidth_) * size_t(list->height_);
    list->pixels_.resize(n);
    list->opaque_.resize(n);
    const gdi::Rgb transparent = AtDepth(mask, bpp);
    const int32_t bytes = bpp / 8;
    for (int32_t y = 0; y < list->height_; ++y) {
        const uint8_t* row = bitmap.row(y);
        for (int32_t x = 0; x < list->stripWidth_; ++x) {
            const size_t at = size_t(y) * size_t(list->stripWidth_) + size_t(x);
            const gdi::Rgb c = gdi::ReadPixelAt(row + size_t(x) * size_t(bytes), bpp);
            list->pixels_[at] = c;
            list->opaque_[at] = (mask == CLR_NONE || !(c == transparent)) ? 1 : 0;
        }
    }
    return list;
}

bool ImageList::opaque(int32_t index, int32_t x, int32_t y) const {
    return opaque_[size_t(y) * size_t(stripWidth_) + size_t(index * width_ + x)] != 0;
}

bool ImageList::draw(int32_t index, gdi::HDC dc, int32_t x, int32_t y) const {
    if (!dc || index < 0 || index >= count_) return false;
    gdi::Bitmap* target = dc->bitmap;
    if (!target || !target->pixels()) return true;  // nothing to draw into
    const gdi::RECT area = dc->drawableRect();
    const int64_t left = int64_t(x) + dc->origin.x;
    const int64_t top = int64_t(y) + dc->origin.y;
    const int32_t bytes = target->bitsPerPixel() / 8;
    for (int32_t row = 0; row < height_; ++row) {
        const int64_t ty = top + row;
        if (ty < area.top || ty >= area.bottom) continue;
        uint8_t* out = target->row(int32_t(ty));
        for (int32_t col = 0; col < width_; ++col) {
            const int64_t tx = left + col;
            if (tx < area.left || tx >= area.right || !opaque(index, col, row)) continue;
            const size_t at = size_t(row) * size_t(stripWidth_) + size_t(index * width_ + col);
            gdi::WritePixelAt(out + size_t(tx) * size_t(bytes), target->bitsPerPixel(), pixels_[at]);
        }
    }
    return true;
}

ImageListPtr ImageList_LoadImage(const gdi::Bitmap* bitmap, int32_t imageWidth, int32_t, gdi::COLORREF mask) {
    return bitmap ? ImageList::FromBitmap(*bitmap, imageWidth, mask) : nullptr;
}

bool ImageList_Draw(HIMAGELIST list, int32_t index, gdi::HDC dc, int32_t x, int32_t y, uint32_t) {
    // Without a background colour of the list, normal drawing is transparent too.
    return list && list->draw(index, dc, x, y);
}

int32_t ImageList_GetImageCount(HIMAGELIST list) { return list ? list->count() : 0; }

}  // namespace controls
