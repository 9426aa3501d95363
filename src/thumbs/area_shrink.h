#pragma once
// Shrinking a picture by area averaging: every pixel of the result is the
// mean of the block of source pixels it covers (block edges at whole source
// pixels), which keeps fine detail as an even tone where sampling single
// pixels would alias it.
#include "platform/gdi/bitmap.h"

namespace ezo {

// Shrinks all of source (16, 24 or 32 bits) onto all of target (24 bits).
// Neither side of target may be larger than source's; false otherwise, or
// for a bitmap the program cannot read.
bool AreaShrink(const gdi::Bitmap& source, gdi::Bitmap& target);

}  // namespace ezo
