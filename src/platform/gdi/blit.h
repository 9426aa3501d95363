#pragma once
// Block and stretch transfers between device contexts. Coordinates are
// logical (the destination context's origin is added); the result is clipped
// to the destination's drawable rectangle, and only destination pixels that
// survive the clip are computed, so a frame costs time in proportion to what
// is drawn, not to the size of the source. Any mix of 16-, 24- and 32-bit
// bitmaps may meet.
#include <cstdint>

#include "platform/gdi/device_context.h"

namespace gdi {

// Copies a w x h block; source pixels outside the source bitmap leave the
// destination untouched. rop: SRCCOPY, PATCOPY (the selected brush),
// DSTINVERT, BLACKNESS, WHITENESS. Returns false for a bad argument.
bool BitBlt(HDC dst, int32_t x, int32_t y, int32_t w, int32_t h, HDC src, int32_t sx, int32_t sy,
            uint32_t rop);

// Scales the source rectangle (sx, sy, sw, sh) onto the destination rectangle
// (x, y, w, h) by nearest-neighbour sampling. A negative w or h mirrors that
// axis: the destination then spans x + w .. x - 1 (resp. y + h .. y - 1).
bool StretchBlt(HDC dst, int32_t x, int32_t y, int32_t w, int32_t h, HDC src, int32_t sx, int32_t sy,
                int32_t sw, int32_t sh, uint32_t rop);

}  // namespace gdi
