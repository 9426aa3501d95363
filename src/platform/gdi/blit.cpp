#include "platform/gdi/blit.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "platform/gdi/halftone.h"
#include "platform/gdi/pixel_format.h"
#include "platform/gdi/raster.h"

namespace gdi {

int64_t StretchSourceOffset(int64_t i, int64_t dstCount, int64_t srcCount) {
    // (2i + 1) < 2^32 and srcCount <= 2^31: the product fits in 63 bits.
    return int64_t((uint64_t(2 * i + 1) * uint64_t(srcCount)) / uint64_t(2 * dstCount));
}

namespace {

bool IsKnownRop(uint32_t rop) {
    return rop == SRCCOPY || rop == PATCOPY || rop == DSTINVERT || rop == BLACKNESS || rop == WHITENESS;
}

// One axis of a transfer: the visible destination pixels first .. first +
// size - 1 (bitmap pixels) and the source pixel each of them samples.
struct AxisMap {
    int32_t first = 0;
    std::vector<int32_t> source;
    bool contiguous = false;  // source[k] == source[0] + k
    bool empty() const { return source.empty(); }
};

// dstPos/dstExtent and srcPos/srcExtent in bitmap pixels; a negative extent
// runs backwards from pos - 1. Only destination pixels inside [clipLow,
// clipHigh) whose sample lies inside [0, srcSize) are kept; samples move
// monotonically along the axis, so those form one run.
AxisMap MapAxis(int64_t dstPos, int64_t dstExtent, int64_t srcPos, int64_t srcExtent, int32_t clipLow,
                int32_t clipHigh, int32_t srcSize) {
    const int64_t dstCount = dstExtent < 0 ? -dstExtent : dstExtent;
    const int64_t srcCount = srcExtent < 0 ? -srcExtent : srcExtent;
    const int64_t start = dstExtent < 0 ? dstPos + dstExtent : dstPos;
    const int64_t low = std::max<int64_t>(start, clipLow);
    const int64_t high = std::min<int64_t>(start + dstCount, clipHigh);
    AxisMap map;
    if (low >= high) return map;

    auto sample = [&](int64_t d) {
        const int64_t i = dstExtent < 0 ? dstPos - 1 - d : d - dstPos;
        const int64_t k = StretchSourceOffset(i, dstCount, srcCount);
        return srcExtent < 0 ? srcPos - 1 - k : srcPos + k;
    };
    int64_t d = low;
    for (; d < high; ++d) {
        const int64_t s = sample(d);
        if (s >= 0 && s < srcSize) break;
    }
    map.first = int32_t(d);
    for (; d < high; ++d) {
        const int64_t s = sample(d);
        if (s < 0 || s >= srcSize) break;
        map.source.push_back(int32_t(s));
    }
    map.contiguous = dstCount == srcCount && (dstExtent < 0) == (srcExtent < 0);
    return map;
}

// Converts count pixels of one row: sampled through byte offsets, or a
// straight run.
using RowFunction = void (*)(const uint8_t* src, uint8_t* dst, const int32_t* offsets, int32_t count);

template <int S, int D>
void SampleRow(const uint8_t* src, uint8_t* dst, const int32_t* offsets, int32_t count) {
    for (int32_t i = 0; i < count; ++i, dst += D / 8) WritePixel<D>(dst, ReadPixel<S>(src + offsets[i]));
}

template <int S, int D>
void CopyRow(const uint8_t* src, uint8_t* dst, const int32_t*, int32_t count) {
    if constexpr (S == 24 && D == 24) {
        std::memcpy(dst, src, size_t(count) * 3);
    } else {
        for (int32_t i = 0; i < count; ++i, src += S / 8, dst += D / 8) WritePixel<D>(dst, ReadPixel<S>(src));
    }
}

int DepthIndex(int32_t bits) { return bits == 16 ? 0 : bits == 24 ? 1 : 2; }

RowFunction PickRowFunction(int32_t srcBits, int32_t dstBits, bool contiguous) {
    static constexpr RowFunction sampled[3][3] = {
        {SampleRow<16, 16>, SampleRow<16, 24>, SampleRow<16, 32>},
        {SampleRow<24, 16>, SampleRow<24, 24>, SampleRow<24, 32>},
        {SampleRow<32, 16>, SampleRow<32, 24>, SampleRow<32, 32>},
    };
    static constexpr RowFunction straight[3][3] = {
        {CopyRow<16, 16>, CopyRow<16, 24>, CopyRow<16, 32>},
        {CopyRow<24, 16>, CopyRow<24, 24>, CopyRow<24, 32>},
        {CopyRow<32, 16>, CopyRow<32, 24>, CopyRow<32, 32>},
    };
    const int s = DepthIndex(srcBits), d = DepthIndex(dstBits);
    return contiguous ? straight[s][d] : sampled[s][d];
}

// Source rows to read. When source and destination are the same bitmap the
// rows used are copied first, so that writing cannot change what is read.
class SourceRows {
public:
    SourceRows(const Bitmap& source, const AxisMap& rows, bool aliased) : source_(source) {
        if (!aliased) return;
        low_ = std::min(rows.source.front(), rows.source.back());
        const int32_t high = std::max(rows.source.front(), rows.source.back());
        const size_t stride = size_t(source.stride());
        copy_.resize(stride * size_t(high - low_ + 1));
        for (int32_t y = low_; y <= high; ++y)
            std::memcpy(copy_.data() + stride * size_t(y - low_), source.row(y), stride);
    }
    const uint8_t* row(int32_t y) const {
        if (copy_.empty()) return source_.row(y);
        return copy_.data() + size_t(source_.stride()) * size_t(y - low_);
    }

private:
    const Bitmap& source_;
    int32_t low_ = 0;
    std::vector<uint8_t> copy_;
};

void TransferPixels(Bitmap& target, const Bitmap& source, const AxisMap& cols, const AxisMap& rows) {
    const int32_t srcBytes = source.bitsPerPixel() / 8;
    const int32_t dstBytes = target.bitsPerPixel() / 8;
    const int32_t count = int32_t(cols.source.size());
    const size_t span = size_t(count) * size_t(dstBytes);

    std::vector<int32_t> offsets;
    size_t runStart = 0;
    if (cols.contiguous) {
        runStart = size_t(cols.source.front()) * size_t(srcBytes);
    } else {
        offsets.resize(cols.source.size());
        for (size_t k = 0; k < offsets.size(); ++k) offsets[k] = cols.source[k] * srcBytes;
    }
    const RowFunction convert = PickRowFunction(source.bitsPerPixel(), target.bitsPerPixel(), cols.contiguous);
    const SourceRows sourceRows(source, rows, &source == &target);

    const uint8_t* previous = nullptr;
    for (size_t k = 0; k < rows.source.size(); ++k) {
        uint8_t* out = target.row(rows.first + int32_t(k)) + size_t(cols.first) * size_t(dstBytes);
        // Rows that sample the same source row (scaling up) are equal.
        if (previous && rows.source[k] == rows.source[k - 1]) {
            std::memcpy(out, previous, span);
        } else {
            convert(sourceRows.row(rows.source[k]) + runStart, out, offsets.data(), count);
        }
        previous = out;
    }
}

}  // namespace

bool StretchBlt(HDC dst, int32_t x, int32_t y, int32_t w, int32_t h, HDC src, int32_t sx, int32_t sy,
                int32_t sw, int32_t sh, uint32_t rop) {
    if (!dst || !IsKnownRop(rop)) return false;
    if (rop != SRCCOPY) {
        PaintDestination(*dst, x, y, w, h, rop);
        return true;
    }
    if (!src) return false;
    if (!dst->bitmap || !src->bitmap || w == 0 || h == 0 || sw == 0 || sh == 0) return true;

    Bitmap& target = *dst->bitmap;
    const Bitmap& source = *src->bitmap;
    const RECT clip = dst->drawableRect();
    const bool shrinks = std::abs(int64_t(w)) < std::abs(int64_t(sw)) || std::abs(int64_t(h)) < std::abs(int64_t(sh));
    if (dst->stretchMode == HALFTONE && shrinks && &source != &target) {
        HalftoneShrink(target, clip, int64_t(x) + dst->origin.x, int64_t(y) + dst->origin.y, w, h, source,
                       int64_t(sx) + src->origin.x, int64_t(sy) + src->origin.y, sw, sh);
        return true;
    }
    const AxisMap cols = MapAxis(int64_t(x) + dst->origin.x, w, int64_t(sx) + src->origin.x, sw, clip.left,
                                 clip.right, source.width());
    if (cols.empty()) return true;
    const AxisMap rows = MapAxis(int64_t(y) + dst->origin.y, h, int64_t(sy) + src->origin.y, sh, clip.top,
                                 clip.bottom, source.height());
    if (rows.empty()) return true;
    TransferPixels(target, source, cols, rows);
    return true;
}

bool BitBlt(HDC dst, int32_t x, int32_t y, int32_t w, int32_t h, HDC src, int32_t sx, int32_t sy,
            uint32_t rop) {
    if (w < 0 || h < 0) return false;
    return StretchBlt(dst, x, y, w, h, src, sx, sy, w, h, rop);
}

}  // namespace gdi
