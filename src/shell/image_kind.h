#pragma once
#include <cstdint>

namespace ezo {

// A picture's format, decided by its file name's extension alone.
enum ImageKind : uint32_t { Bmp = 0, Gif = 1, Jpg = 2, Jpeg = 3 };

inline bool IsJpegKind(uint32_t kind) { return kind == Jpg || kind == Jpeg; }

}  // namespace ezo
