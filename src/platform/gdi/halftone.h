#pragma once
// The HALFTONE stretch mode's shrink: each destination pixel is the average
// of the source area it covers, weighted by how much of each source pixel
// lies inside. The area is read from the reduced copy that is at most half
// as fine again as the destination, so a frame costs a few reads per pixel
// whatever the size of the source.
#include <cstdint>

#include "platform/gdi/bitmap.h"

namespace gdi {

// Positions in bitmap pixels (origins added); a negative extent mirrors as
// in StretchBlt. Only destination pixels inside clip that cover some of the
// source are written. source and target must differ.
void HalftoneShrink(Bitmap& target, const RECT& clip, int64_t x, int64_t y, int64_t w, int64_t h,
                    const Bitmap& source, int64_t sx, int64_t sy, int64_t sw, int64_t sh);

// The reduced copy a shrink of ratio (source pixels per destination pixel,
// the smaller of the two axes) reads: the deepest level at which the ratio
// is still 1 or more.
int HalftoneLevel(double ratio);

}  // namespace gdi
