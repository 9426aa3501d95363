#pragma once
// The platform image decoder: BMP and GIF pictures, and JPEG files such as
// the thumbnail store's, decoded into a new bitmap at the display's depth.
// The file is streamed through a 1024-byte work buffer and never held whole.
// Memory for the result and for the decoder's own work image comes from the
// memory budget: a picture whose header asks for more than the budget has
// free is refused before anything is allocated for it.
//
// Safe to call from several threads at once (the viewer and the thumbnail
// pass decode at the same time).
#include <atomic>
#include <cstdint>
#include <string_view>

#include "platform/files/file_io.h"
#include "platform/gdi/bitmap.h"

namespace imgdecode {

// Pictures wider or higher than this are refused, not scaled: the readers
// cannot decode a picture smaller than it is stored, so scaling would need
// the full-size picture in memory first.
constexpr int32_t kMaxPictureSide = 10000;

// Opens a device path for decoding: read access, shared for reading, the
// file must exist. Invalid when it cannot be opened.
files::FileHandle OpenPictureFile(std::u16string_view devicePath);

// Decodes the open file from its current position into a new bottom-up
// bitmap of bitsPerPixel (16: 5-5-5, 24 or 32 bits). Accepts BMP and GIF
// (its first frame; transparent pixels come out white) through Qt's image
// readers, and JPEG read strictly (a file cut short or damaged is refused).
// Null for anything else, for a damaged or unreadable file, a side past
// kMaxPictureSide, memory past the budget, or when cancel becomes true
// while the decode runs.
gdi::BitmapPtr DecodePicture(const files::FileHandle& file, int32_t bitsPerPixel,
                             const std::atomic<bool>* cancel = nullptr);

// OpenPictureFile and DecodePicture in one call; the file is closed again
// before returning.
gdi::BitmapPtr DecodeImageFile(std::u16string_view devicePath, int32_t bitsPerPixel,
                               const std::atomic<bool>* cancel = nullptr);

}  // namespace imgdecode
