#include "platform/gdi/halftone.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "platform/gdi/pixel_format.h"
#include "platform/gdi/reduced_copies.h"

namespace gdi {
namespace {

// Weights of one axis out of this many parts; two axes multiply to 65536.
constexpr int kWeightOne = 256;

// One axis: the visible destination pixels first .. first + size - 1, and
// for each the source pixels it covers (from start, count of them) with
// their weights, which add up to kWeightOne.
struct AxisTaps {
    int32_t first = 0;
    std::vector<int32_t> start, count, weightAt;
    std::vector<int32_t> weights;
    size_t size() const { return start.size(); }
};

// Integer weights that add up to exactly kWeightOne, so a plain colour
// stays exactly that colour.
void AddWeights(AxisTaps& taps, double low, double high, int32_t k0, int32_t k1) {
    taps.weightAt.push_back(int32_t(taps.weights.size()));
    int32_t given = 0, largest = 0;
    for (int32_t k = k0; k < k1; ++k) {
        const double cover = std::min(high, double(k + 1)) - std::max(low, double(k));
        const int32_t w = int32_t(std::lround(cover / (high - low) * kWeightOne));
        taps.weights.push_back(w);
        given += w;
        if (w > taps.weights[size_t(taps.weightAt.back() + largest)]) largest = k - k0;
    }
    taps.weights[size_t(taps.weightAt.back() + largest)] += kWeightOne - given;
}

// dstPos/dstExtent in target pixels, srcPos/srcExtent in pixels of the
// original source, read at a level whose side is levelSize for an original
// side of srcSize.
AxisTaps MapAxis(int64_t dstPos, int64_t dstExtent, int64_t srcPos, int64_t srcExtent, int32_t clipLow,
                 int32_t clipHigh, int32_t srcSize, int32_t levelSize) {
    const int64_t dstCount = std::abs(dstExtent);
    const double span = double(std::abs(srcExtent)) / double(dstCount);
    const double scale = double(levelSize) / double(srcSize);
    const int64_t begin = dstExtent < 0 ? dstPos + dstExtent : dstPos;
    const int64_t low = std::max<int64_t>(begin, clipLow), high = std::min<int64_t>(begin + dstCount, clipHigh);
    AxisTaps taps;
    for (int64_t d = low; d < high; ++d) {
        const int64_t i = dstExtent < 0 ? dstPos - 1 - d : d - dstPos;
        const double a = double(i) * span, b = double(i + 1) * span;
        double from = srcExtent < 0 ? double(srcPos) - b : double(srcPos) + a;
        double to = srcExtent < 0 ? double(srcPos) - a : double(srcPos) + b;
        from = std::clamp(from * scale, 0.0, double(levelSize));
        to = std::clamp(to * scale, 0.0, double(levelSize));
        if (to <= from) {
            if (taps.size()) break;  // past the source: the covered run has ended
            continue;
        }
        if (!taps.size()) taps.first = int32_t(d);
        const int32_t k0 = int32_t(std::floor(from)), k1 = std::max(k0 + 1, int32_t(std::ceil(to)));
        taps.start.push_back(k0);
        taps.count.push_back(k1 - k0);
        AddWeights(taps, from, to, k0, k1);
    }
    return taps;
}

template <int S>
void ShrinkRows(Bitmap& target, const Bitmap& level, const AxisTaps& cols, const AxisTaps& rows) {
    const int32_t dstBits = target.bitsPerPixel();
    for (size_t r = 0; r < rows.size(); ++r) {
        uint8_t* out = target.row(rows.first + int32_t(r)) + size_t(cols.first) * size_t(dstBits / 8);
        for (size_t c = 0; c < cols.size(); ++c, out += dstBits / 8) {
            uint32_t red = 0, green = 0, blue = 0;
            for (int32_t ty = 0; ty < rows.count[r]; ++ty) {
                const uint32_t wy = uint32_t(rows.weights[size_t(rows.weightAt[r] + ty)]);
                const uint8_t* in = level.row(rows.start[r] + ty) + size_t(cols.start[c]) * (S / 8);
                for (int32_t tx = 0; tx < cols.count[c]; ++tx, in += S / 8) {
                    const uint32_t w = wy * uint32_t(cols.weights[size_t(cols.weightAt[c] + tx)]);
                    const Rgb p = ReadPixel<S>(in);
                    red += w * p.r, green += w * p.g, blue += w * p.b;
                }
            }
            constexpr uint32_t kHalf = kWeightOne * kWeightOne / 2;
            WritePixelAt(out, dstBits, Rgb{uint8_t((red + kHalf) >> 16), uint8_t((green + kHalf) >> 16),
                                           uint8_t((blue + kHalf) >> 16)});
        }
    }
}

}  // namespace

int HalftoneLevel(double ratio) {
    int level = 0;
    while (level < 30 && ratio >= double(int64_t(2) << level)) ++level;
    return level;
}

void HalftoneShrink(Bitmap& target, const RECT& clip, int64_t x, int64_t y, int64_t w, int64_t h,
                    const Bitmap& source, int64_t sx, int64_t sy, int64_t sw, int64_t sh) {
    const double ratio = std::min(double(std::abs(sw)) / double(std::abs(w)), double(std::abs(sh)) / double(std::abs(h)));
    const int levelIndex = ReduceUpTo(source, HalftoneLevel(ratio));
    const Bitmap& level = ReducedLevel(source, levelIndex);
    const AxisTaps cols = MapAxis(x, w, sx, sw, clip.left, clip.right, source.width(), level.width());
    if (!cols.size()) return;
    const AxisTaps rows = MapAxis(y, h, sy, sh, clip.top, clip.bottom, source.height(), level.height());
    if (!rows.size()) return;
    switch (level.bitsPerPixel()) {
    case 16: ShrinkRows<16>(target, level, cols, rows); break;
    case 24: ShrinkRows<24>(target, level, cols, rows); break;
    default: ShrinkRows<32>(target, level, cols, rows); break;
    }
}

}  // namespace gdi
