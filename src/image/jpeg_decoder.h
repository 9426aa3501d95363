#pragma once
// JPEG files through libjpeg: decoding into the current-image slot, and
// reading the dimensions from the header. Paths are device paths.
#include <cstdint>
#include <string>

#include "platform/device/window_api.h"

namespace ezo {

// Decodes the file at path into a new 24-bit bottom-up blue-green-red bitmap
// in the current-image slot, destroying any bitmap still there first. When
// memory is short the picture is decoded smaller, in tenths of its size.
// Records isLarge, fitZoom and landscapeApplied for the bitmap it creates.
// A file whose data ends early succeeds with the missing part mid-grey.
// On a library error returns 0 and leaves whatever bitmap was made in the
// slot, partly filled. Returns 1 on success.
int DecodeJpeg(device::HWND window, const std::u16string& path);

// Reads only the header: the image width, height and colour-space code
// (1 grayscale, 2 RGB, 3 YCbCr, 4 CMYK, 5 YCCK, 0 unknown). Outputs are left
// untouched on failure. Returns 1 or 0.
int ProbeJpeg(const std::u16string& path, int32_t& width, int32_t& height, int32_t& colourSpace);

}  // namespace ezo
