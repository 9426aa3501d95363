#pragma once
// JPEG files through libjpeg: decoding into the current-image slot, and
// reading the dimensions from the header. Paths are device paths.
#include <cstdint>
#include <string>

#include "platform/device/window_api.h"
#include "platform/gdi/bitmap.h"

namespace ezo {

// A decode's result: the picture, and whether it was decoded to the end.
struct JpegDecode {
    gdi::BitmapPtr bitmap;
    int complete = 0;
};

// Decodes the file at path into a new 24-bit bottom-up blue-green-red
// bitmap; window lends its device context. When memory is short the picture
// is decoded smaller, in tenths of its size. A file whose data ends early is
// complete with the missing part mid-grey. On a library error the bitmap
// made so far comes back partly filled, and complete is 0.
JpegDecode DecodeJpeg(device::HWND window, const std::u16string& path);

// Reads only the header: the image width, height and colour-space code
// (1 grayscale, 2 RGB, 3 YCbCr, 4 CMYK, 5 YCCK, 0 unknown). Outputs are left
// untouched on failure. Returns 1 or 0.
int ProbeJpeg(const std::u16string& path, int32_t& width, int32_t& height, int32_t& colourSpace);

}  // namespace ezo
