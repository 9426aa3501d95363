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

// Source coordinates are logical too (the source context's origin is added)
// and bounded by the source bitmap only. A context without a bitmap on
// either side draws nothing and reports success.

// Copies a w x h block; source pixels outside the source bitmap leave the
// destination untouched. rop: SRCCOPY, PATCOPY (the selected brush),
// DSTINVERT, BLACKNESS, WHITENESS. Returns false for a bad argument (no
// destination, no source for SRCCOPY, an unknown rop, a negative extent).
bool BitBlt(HDC dst, int32_t x, int32_t y, int32_t w, int32_t h, HDC src, int32_t sx, int32_t sy,
            uint32_t rop);

// Scales the source rectangle (sx, sy, sw, sh) onto the destination rectangle
// (x, y, w, h) by nearest-neighbour sampling; with the destination in
// HALFTONE mode a shrink on either axis averages instead (halftone.h). A negative w or h mirrors that
// axis: the destination then spans x + w .. x - 1 (resp. y + h .. y - 1)
// and its pixel i lies at x - 1 - i.
// Destination pixel i of |w| samples source pixel
// floor((2i + 1) * |sw| / (2 * |w|)) of the source rectangle, counted from
// its start (sx, or sx - 1 backwards for a negative sw); likewise rows.
// With |w| == |sw| that is an exact copy, mirrored when the signs differ.
bool StretchBlt(HDC dst, int32_t x, int32_t y, int32_t w, int32_t h, HDC src, int32_t sx, int32_t sy,
                int32_t sw, int32_t sh, uint32_t rop);

// The sampling rule above: which of srcCount source pixels destination pixel
// i of dstCount takes (0 <= i < dstCount <= 2^31, srcCount <= 2^31).
int64_t StretchSourceOffset(int64_t i, int64_t dstCount, int64_t srcCount);

}  // namespace gdi
