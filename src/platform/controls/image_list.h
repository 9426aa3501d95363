#pragma once
// Image lists: a strip of equally wide images cut from one bitmap, with one
// colour that is transparent, drawn by index into a device context.
#include <cstdint>
#include <memory>
#include <vector>

#include "platform/gdi/bitmap.h"
#include "platform/gdi/device_context.h"
#include "platform/gdi/pixel_format.h"

namespace controls {

constexpr gdi::COLORREF CLR_NONE = 0xFFFFFFFF;  // no transparent colour
constexpr uint32_t ILD_NORMAL = 0x0000;
constexpr uint32_t ILD_TRANSPARENT = 0x0001;

class ImageList {
public:
    // Cuts bitmap into images of imageWidth x bitmap height; pixels of the
    // mask colour (compared at the bitmap's depth) become transparent.
    // Null for no bitmap, a width below 1, or a bitmap narrower than one image.
    static std::unique_ptr<ImageList> FromBitmap(const gdi::Bitmap& bitmap, int32_t imageWidth,
                                                 gdi::COLORREF mask);

    int32_t count() const { return count_; }
    int32_t imageWidth() const { return width_; }
    int32_t imageHeight() const { return height_; }
    // Draws image index with its top-left corner at logical (x, y) of dc,
    // leaving the destination under transparent pixels untouched. False for
    // an index out of range or no context.
    bool draw(int32_t index, gdi::HDC dc, int32_t x, int32_t y) const;

private:
    ImageList() = default;
    bool opaque(int32_t index, int32_t x, int32_t y) const;

    int32_t width_ = 0;
    int32_t height_ = 0;
    int32_t count_ = 0;
    int32_t stripWidth_ = 0;
    std::vector<gdi::Rgb> pixels_;  // the strip, row by row from the top
    std::vector<uint8_t> opaque_;   // 1 where a pixel is drawn
};

// The owner of an image list; destroying the owner is ImageList_Destroy.
using HIMAGELIST = ImageList*;
using ImageListPtr = std::unique_ptr<ImageList>;

// The handheld's calls. grow is accepted for the record and not needed.
ImageListPtr ImageList_LoadImage(const gdi::Bitmap* bitmap, int32_t imageWidth, int32_t grow,
                                 gdi::COLORREF mask);
bool ImageList_Draw(HIMAGELIST list, int32_t index, gdi::HDC dc, int32_t x, int32_t y, uint32_t style);
int32_t ImageList_GetImageCount(HIMAGELIST list);
inline void ImageList_Destroy(ImageListPtr& list) { list.reset(); }

}  // namespace controls
