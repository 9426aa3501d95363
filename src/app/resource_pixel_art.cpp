#include "app/resource_pixel_art.h"

#include <algorithm>

namespace ezo {

const std::vector<std::pair<char, gdi::COLORREF>>& ProgramPalette() {
    static const std::vector<std::pair<char, gdi::COLORREF>> palette{
        {'a', gdi::RGB(40, 104, 208)}, {'A', gdi::RGB(16, 56, 136)}, {'s', gdi::RGB(150, 200, 255)},
        {'D', gdi::RGB(0, 100, 0)},    {'R', gdi::RGB(128, 0, 0)},   {'r', gdi::RGB(220, 40, 40)},
        {'G', gdi::RGB(40, 168, 64)},
    };
    return palette;
}

controls::PixelArt ProgramArt(PixelRows rows) { return {std::move(rows), ProgramPalette()}; }

PixelRows Mirrored(PixelRows rows) {
    for (std::string& row : rows) std::reverse(row.begin(), row.end());
    return rows;
}

PixelRows JoinStrip(const std::vector<const PixelRows*>& pictures) {
    if (pictures.empty()) return {};
    const size_t height = pictures.front()->size();
    PixelRows strip(height);
    for (const PixelRows* picture : pictures) {
        if (picture->size() != height || picture->empty()) return {};
        const size_t width = picture->front().size();
        for (size_t y = 0; y < height; ++y) {
            if ((*picture)[y].size() != width) return {};
            strip[y] += (*picture)[y];
        }
    }
    return strip;
}

}  // namespace ezo
