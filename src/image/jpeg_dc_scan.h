#pragma once
// A decode at an eighth of the size that reads only each block's DC
// coefficient. At that size a block becomes one pixel, its mean, which the
// DC coefficient alone gives; the AC coefficients are only stepped over.
// It takes the common kind of file (see jpeg_dc_header.h) and gives the
// pixels the library's 1/8 decode gives, except where colour is stored at
// a lower resolution both ways (4:2:0): the library spreads such a block
// over its 2 x 2 pixels with a small inverse DCT, the scan repeats its mean.
// Whatever it does not take, or finds damaged or cut short, it refuses, and
// the library decodes the file as usual.
#include <atomic>
#include <cstdio>

#include "platform/gdi/bitmap.h"

namespace ezo {

enum class DcScanResult { Decoded, Refused, Cancelled };

// Reads the file from its current position (its start) and fills target, a
// 24-bit blue-green-red bitmap of the file's size divided by 8 and rounded
// up. Refused also when target is not of that size. Cancelled soon after
// cancel (when given) turns true; it is looked at between rows of blocks.
DcScanResult DecodeJpegDcScan(std::FILE* file, gdi::Bitmap& target, const std::atomic<bool>* cancel);

}  // namespace ezo
