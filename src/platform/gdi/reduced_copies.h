#pragma once
// The reduced copies of a bitmap that smooth shrinking reads: level 1 is the
// bitmap halved (each pixel the average of two by two), level 2 level 1
// halved, and so on. They are made once, the first time a level is asked
// for, and live as long as the bitmap; a shrink of a 48-megapixel photo then
// costs what a shrink of a small one does.
#include <cstdint>

#include "platform/gdi/bitmap.h"

namespace gdi {

// The size of level n of a w x h bitmap: halved n times, rounded up.
int32_t ReducedSide(int32_t side, int level);

// Makes the levels up to wanted that are missing and returns the deepest
// level there is (0: only the bitmap itself). A level is not made when it
// would leave less free memory than the bitmap itself takes, so that the
// copies never stand in the way of turning or replacing the picture.
int ReduceUpTo(const Bitmap& source, int wanted);
// Level n (0: the bitmap itself); n must not pass what ReduceUpTo returned.
const Bitmap& ReducedLevel(const Bitmap& source, int level);
// Frees the copies, for a caller that changes the bitmap's pixels.
void DropReducedCopies(const Bitmap& source);

}  // namespace gdi
