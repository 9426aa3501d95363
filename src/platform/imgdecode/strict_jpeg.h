#pragma once
// JPEG files read strictly, as the thumbnail store's own files must be: a
// file that ends early, or whose data libjpeg finds damaged anywhere (where
// it would only warn and patch the picture with made-up grey), is refused,
// never shown part made up.
#include <cstddef>
#include <cstdint>

#include "platform/gdi/bitmap.h"
#include "platform/imgdecode/file_chunks.h"

namespace imgdecode {

// True when the first bytes are a JPEG start-of-image marker.
bool LooksLikeJpeg(const uint8_t* head, size_t size);

// Decodes the JPEG the device streams into a new bottom-up bitmap of
// bitsPerPixel. Grey, RGB and YCbCr files only; a side past maxSide, more
// memory than the budget has free, or the device's cancel are refused too.
// Null on any refusal.
gdi::BitmapPtr DecodeStrictJpeg(FileChunkDevice& device, int32_t bitsPerPixel, int32_t maxSide);

}  // namespace imgdecode
