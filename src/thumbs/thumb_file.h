#pragma once
// A thumbnail as a JPEG file: libjpeg's defaults (quality 75, three
// components from red-green-blue input), the top row first.
#include <string>

#include "platform/gdi/bitmap.h"

namespace ezo {

// Writes a 24-bit bitmap to path. The file is written under a temporary name
// beside it and renamed into place when complete, so path never holds half a
// thumbnail, even when the program is killed during the write. 1 on
// success; 0 (path untouched, the temporary file removed) when the bitmap
// has no pixels the program can read, the file cannot be written, or the
// disk is full.
int SaveThumbnailFile(const gdi::Bitmap& bitmap, const std::u16string& path);

}  // namespace ezo
