#pragma once
// A picture shrunk into the 64 x 60 box of its grid cell, with the offsets
// at which it sits in the box and whether it is worth storing.
#include <cstdint>
#include <optional>

#include "platform/gdi/bitmap.h"

namespace ezo {

struct ThumbnailLayout {
    int32_t width = 0;
    int32_t height = 0;
    int32_t thumbLeft = 0;
    int32_t thumbTop = 0;
    int fits = 0;  // small enough to be copied unscaled
    int save = 0;  // the picture is wider or higher than the save threshold
    friend bool operator==(const ThumbnailLayout&, const ThumbnailLayout&) = default;
};

// The thumbnail of a picture of width x height: unscaled when it fits the
// box, else 64 wide (wide pictures) or 60 high (tall ones, a tie included),
// the other side in proportion, rounded down. None for an empty picture, or
// when the other side comes to 0 (a picture more than 64 times wider than
// high, or 60 times higher than wide).
std::optional<ThumbnailLayout> LayoutThumbnail(int32_t width, int32_t height);

// Makes the thumbnail of layout from source, which holds the whole picture
// at its size (fits), or at any size at least the thumbnail's (otherwise).
// A fitting picture becomes a bitmap compatible with the screen, which has
// no pixels of its own to store; the others a 24-bit bottom-up bitmap.
// Null when memory is short.
gdi::BitmapPtr MakeThumbnail(const gdi::Bitmap& source, const ThumbnailLayout& layout);

}  // namespace ezo
