#pragma once
// A picture as a JPEG file in memory, through the shared JPEG writer.
#include <cstdint>
#include <vector>

#include "demo/picture.h"

namespace demo {

// Empty when the picture is empty or libjpeg fails.
std::vector<uint8_t> EncodeJpeg(const Picture& picture, int quality = 90);

}  // namespace demo
