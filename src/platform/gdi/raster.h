#pragma once
// Operations on a rectangle of one bitmap that need no source: solid fills
// and inversion. Rectangles here are in bitmap pixels and already clipped;
// DeviceRect turns a context's logical rectangle into such a rectangle.
#include <cstdint>

#include "platform/gdi/device_context.h"
#include "platform/gdi/pixel_format.h"

namespace gdi {

// The logical rectangle [left, right) x [top, bottom) of dc moved by its
// origin and clipped to its drawable part; empty without a bitmap. 64-bit
// so that any int32 coordinates plus any origin stay exact.
RECT DeviceRect(const DeviceContext& dc, int64_t left, int64_t top, int64_t right, int64_t bottom);

void FillPixels(Bitmap& bitmap, const RECT& area, Rgb color);
void InvertPixels(Bitmap& bitmap, const RECT& area);

// A fill in a line drawing mode: R2_NOT inverts, anything else paints color.
void PaintPixels(Bitmap& bitmap, const RECT& area, int rop2, Rgb color);

// The raster operations that need no source (PATCOPY with the selected
// brush, DSTINVERT, BLACKNESS, WHITENESS) on the logical rectangle (x, y, w,
// h), whichever way its extents point. Other rops do nothing.
void PaintDestination(DeviceContext& dc, int64_t x, int64_t y, int64_t w, int64_t h, uint32_t rop);

}  // namespace gdi
