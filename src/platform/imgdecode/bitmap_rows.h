#pragma once
// Writing decoded rows into a bitmap of the display's depth (16-bit 5-5-5,
// 24-bit or 32-bit), whatever the bitmap's row order.
#include <cstdint>

#include "platform/gdi/bitmap.h"

namespace imgdecode {

// True for the depths a decode can produce.
bool IsDecodableDepth(int32_t bitsPerPixel);

// A bottom-up device-independent bitmap of width x height at bitsPerPixel,
// its memory taken from the budget; null when it does not fit.
gdi::BitmapPtr CreatePictureBitmap(int32_t width, int32_t height, int32_t bitsPerPixel);

// Picture row y from width red-green-blue byte triples.
void WriteRgbRow(gdi::Bitmap& bitmap, int32_t y, const uint8_t* rgb);

// Picture row y from width 0xAARRGGBB words (Qt's 32-bit pixels). Pixels
// that are not fully opaque are blended onto white, as on paper.
void WriteArgbRow(gdi::Bitmap& bitmap, int32_t y, const uint32_t* argb);

}  // namespace imgdecode
