#pragma once
// Helpers for the program's pixel-art resources: one palette shared by every
// picture, and strips made by setting equally high pictures side by side.
#include <string>
#include <utility>
#include <vector>

#include "platform/controls/resources.h"

namespace ezo {

using PixelRows = std::vector<std::string>;

// The default palette plus the program's own colours: 'a' the accent blue,
// 'A' its dark shade, 's' sky blue, 'D' dark green, 'R' dark red; 'r' and
// 'G' are softened so that red and green sit well beside the accent.
const std::vector<std::pair<char, gdi::COLORREF>>& ProgramPalette();

// A picture in the program's palette.
controls::PixelArt ProgramArt(PixelRows rows);

// The picture mirrored left to right.
PixelRows Mirrored(PixelRows rows);

// The pictures side by side, left to right, as one strip. Empty (which no
// bitmap loads from) when there is no picture or their heights differ or a
// picture's rows differ in length.
PixelRows JoinStrip(const std::vector<const PixelRows*>& pictures);

}  // namespace ezo
