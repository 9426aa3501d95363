#pragma once
// Small picture files made byte by byte for the decoder tests.
#include <cstdint>
#include <functional>
#include <vector>

#include "platform/gdi/pixel_format.h"

namespace imgdecode_test {

// A 24-bit bottom-up BMP; pixel(x, y) with y counted from the top.
std::vector<uint8_t> Bmp24(int32_t width, int32_t height, const std::function<gdi::Rgb(int32_t, int32_t)>& pixel);

// A 24-bit BMP header that declares width x height and holds one row.
std::vector<uint8_t> BmpHeaderOnly(int32_t width, int32_t height);

// A GIF whose screen and only frame are width x height, with a few pixels
// of data.
std::vector<uint8_t> GifHeaderOnly(uint16_t width, uint16_t height);

// The peak resident memory the process reached while fn ran, above what it
// held before, in bytes.
uint64_t PeakMemoryGrowth(const std::function<void()>& fn);

}  // namespace imgdecode_test
