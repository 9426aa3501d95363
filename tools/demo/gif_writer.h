#pragma once
// A picture as a GIF file in memory: one frame, a fixed 256-colour palette
// (a 6 x 6 x 6 colour cube and 40 greys), ordered dithering, LZW coding.
#include <array>
#include <cstdint>
#include <vector>

#include "demo/picture.h"

namespace demo {

const std::array<Rgb, 256>& GifPalette();

// The palette index of every pixel, row by row.
std::vector<uint8_t> QuantiseToPalette(const Picture& picture);

// Palette indices as GIF LZW data with a minimum code size of 8, before
// cutting into sub-blocks.
std::vector<uint8_t> LzwEncode(const std::vector<uint8_t>& indices);

// Empty when the picture is empty.
std::vector<uint8_t> EncodeGif(const Picture& picture);

}  // namespace demo
