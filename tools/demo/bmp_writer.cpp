#include "demo/bmp_writer.h"

#include <limits>

namespace demo {
namespace {

constexpr uint32_t kFileHeaderSize = 14;
constexpr uint32_t kInfoHeaderSize = 40;
constexpr int32_t kPixelsPerMetre = 2835;  // 72 dots an inch

void Put16(std::vector<uint8_t>& out, uint16_t v) {
    out.push_back(static_cast<uint8_t>(v));
    out.push_back(static_cast<uint8_t>(v >> 8));
}

void Put32(std::vector<uint8_t>& out, uint32_t v) {
    for (int shift = 0; shift < 32; shift += 8) out.push_back(static_cast<uint8_t>(v >> shift));
}

void PutPixel(std::vector<uint8_t>& out, Rgb c, int bitsPerPixel) {
    if (bitsPerPixel == 24) {
        out.push_back(c.b);
        out.push_back(c.g);
        out.push_back(c.r);
    } else {
        Put16(out, static_cast<uint16_t>((c.r >> 3) << 10 | (c.g >> 3) << 5 | (c.b >> 3)));
    }
}

}  // namespace

std::vector<uint8_t> EncodeBmp(const Picture& picture, int bitsPerPixel) {
    if (picture.empty() || (bitsPerPixel != 24 && bitsPerPixel != 16)) return {};
    const uint64_t stride = (static_cast<uint64_t>(picture.width()) * bitsPerPixel + 31) / 32 * 4;
    const uint64_t imageSize = stride * static_cast<uint64_t>(picture.height());
    const uint64_t fileSize = kFileHeaderSize + kInfoHeaderSize + imageSize;
    if (fileSize > std::numeric_limits<uint32_t>::max()) return {};

    std::vector<uint8_t> out;
    out.reserve(static_cast<size_t>(fileSize));
    out.push_back('B');
    out.push_back('M');
    Put32(out, static_cast<uint32_t>(fileSize));
    Put32(out, 0);  // reserved
    Put32(out, kFileHeaderSize + kInfoHeaderSize);
    Put32(out, kInfoHeaderSize);
    Put32(out, static_cast<uint32_t>(picture.width()));
    Put32(out, static_cast<uint32_t>(picture.height()));  // positive: bottom-up
    Put16(out, 1);                                         // planes
    Put16(out, static_cast<uint16_t>(bitsPerPixel));
    Put32(out, 0);  // no compression
    Put32(out, static_cast<uint32_t>(imageSize));
    Put32(out, kPixelsPerMetre);
    Put32(out, kPixelsPerMetre);
    Put32(out, 0);  // colours used
    Put32(out, 0);  // colours important
    for (int y = picture.height() - 1; y >= 0; --y) {
        size_t rowStart = out.size();
        for (int x = 0; x < picture.width(); ++x) PutPixel(out, picture.at(x, y), bitsPerPixel);
        while (out.size() - rowStart < stride) out.push_back(0);
    }
    return out;
}

}  // namespace demo
