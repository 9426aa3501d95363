#pragma once
// A picture as an uncompressed Windows bitmap file in memory: 24 bits a
// pixel (blue, green, red) or 16 bits (5-5-5), rows bottom-up, each padded
// to 4 bytes.
#include <cstdint>
#include <vector>

#include "demo/picture.h"

namespace demo {

// Empty when the picture is empty or the file would pass 4 GiB.
std::vector<uint8_t> EncodeBmp(const Picture& picture, int bitsPerPixel);

}  // namespace demo
