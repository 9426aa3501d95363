#include "thumbs/area_shrink.h"

#include <cstdint>
#include <vector>

#include "platform/gdi/pixel_format.h"

namespace ezo {
namespace {

// Where each of `count` blocks over `total` source pixels starts; the last
// entry is total.
std::vector<int32_t> BlockEdges(int32_t total, int32_t count) {
    std::vector<int32_t> edges(size_t(count) + 1);
    for (int32_t i = 0; i <= count; ++i) edges[size_t(i)] = int32_t(int64_t(i) * total / count);
    return edges;
}

template <int Bits>
void ShrinkRows(const gdi::Bitmap& source, gdi::Bitmap& target) {
    constexpr int kBytes = Bits / 8;
    const std::vector<int32_t> columns = BlockEdges(source.width(), target.width());
    const std::vector<int32_t> rows = BlockEdges(source.height(), target.height());
    // Red, green and blue sums of one row of blocks. A block is at most
    // (2^20)^2 pixels of 255, past 32 bits: the sums are 64-bit.
    std::vector<uint64_t> sums(size_t(target.width()) * 3);
    for (int32_t ty = 0; ty < target.height(); ++ty) {
        std::fill(sums.begin(), sums.end(), 0);
        for (int32_t sy = rows[size_t(ty)]; sy < rows[size_t(ty) + 1]; ++sy) {
            const uint8_t* p = source.row(sy);
            uint64_t* sum = sums.data();
            for (int32_t tx = 0; tx < target.width(); ++tx, sum += 3) {
                for (int32_t sx = columns[size_t(tx)]; sx < columns[size_t(tx) + 1]; ++sx) {
                    const gdi::Rgb c = gdi::ReadPixel<Bits>(p + size_t(sx) * kBytes);
                    sum[0] += c.r;
                    sum[1] += c.g;
                    sum[2] += c.b;
                }
            }
        }
        uint8_t* out = target.row(ty);
        const uint64_t height = uint64_t(rows[size_t(ty) + 1] - rows[size_t(ty)]);
        for (int32_t tx = 0; tx < target.width(); ++tx) {
            const uint64_t area = height * uint64_t(columns[size_t(tx) + 1] - columns[size_t(tx)]);
            const uint64_t* sum = &sums[size_t(tx) * 3];
            const gdi::Rgb mean{uint8_t((sum[0] + area / 2) / area), uint8_t((sum[1] + area / 2) / area),
                                uint8_t((sum[2] + area / 2) / area)};
            gdi::WritePixel<24>(out + size_t(tx) * 3, mean);
        }
    }
}

}  // namespace

bool AreaShrink(const gdi::Bitmap& source, gdi::Bitmap& target) {
    if (!source.programVisible() || !target.programVisible() || target.bitsPerPixel() != 24) return false;
    if (target.width() < 1 || target.height() < 1) return false;
    if (target.width() > source.width() || target.height() > source.height()) return false;
    switch (source.bitsPerPixel()) {
    case 16: ShrinkRows<16>(source, target); return true;
    case 24: ShrinkRows<24>(source, target); return true;
    case 32: ShrinkRows<32>(source, target); return true;
    default: return false;
    }
}

}  // namespace ezo
