#include "platform/gdi/reduced_copies.h"

#include <algorithm>

#include "platform/gdi/memory_budget.h"
#include "platform/gdi/pixel_format.h"

namespace gdi {
namespace {

// One level down: every pixel the average of the (up to) two by two pixels
// above it; the last row and column of an odd side average what there is.
template <int S>
void Halve(const Bitmap& from, Bitmap& to) {
    for (int32_t y = 0; y < to.height(); ++y) {
        const uint8_t* rows[2] = {from.row(2 * y), from.row(std::min(2 * y + 1, from.height() - 1))};
        uint8_t* out = to.row(y);
        for (int32_t x = 0; x < to.width(); ++x, out += 3) {
            const int32_t x0 = 2 * x, x1 = std::min(2 * x + 1, from.width() - 1);
            unsigned r = 0, g = 0, b = 0;
            for (const uint8_t* row : rows) {
                for (int32_t sx : {x0, x1}) {
                    const Rgb c = ReadPixel<S>(row + size_t(sx) * (S / 8));
                    r += c.r, g += c.g, b += c.b;
                }
            }
            WritePixel<24>(out, Rgb{uint8_t((r + 2) / 4), uint8_t((g + 2) / 4), uint8_t((b + 2) / 4)});
        }
    }
}

std::unique_ptr<Bitmap> MakeHalf(const Bitmap& from, uint64_t headroom) {
    const int32_t w = ReducedSide(from.width(), 1), h = ReducedSide(from.height(), 1);
    const uint64_t bytes = uint64_t(DibStride(w, 24)) * uint64_t(h);
    if (MemoryAvailable() < bytes + headroom) return nullptr;
    std::unique_ptr<Bitmap> half = Bitmap::Create(w, h, 24, false, true);
    if (!half) return nullptr;
    switch (from.bitsPerPixel()) {
    case 16: Halve<16>(from, *half); break;
    case 24: Halve<24>(from, *half); break;
    default: Halve<32>(from, *half); break;
    }
    return half;
}

}  // namespace

int32_t ReducedSide(int32_t side, int level) {
    for (int i = 0; i < level; ++i) side = (side + 1) / 2;
    return side;
}

int ReduceUpTo(const Bitmap& source, int wanted) {
    auto& levels = source.reducedCopies();
    while (int(levels.size()) < wanted) {
        const Bitmap& last = levels.empty() ? source : *levels.back();
        if (last.width() == 1 && last.height() == 1) break;
        std::unique_ptr<Bitmap> half = MakeHalf(last, source.byteSize());
        if (!half) break;
        levels.push_back(std::move(half));
    }
    return std::min(wanted, int(levels.size()));
}

const Bitmap& ReducedLevel(const Bitmap& source, int level) {
    return level == 0 ? source : *source.reducedCopies()[size_t(level - 1)];
}

void DropReducedCopies(const Bitmap& source) { source.reducedCopies().clear(); }

}  // namespace gdi
