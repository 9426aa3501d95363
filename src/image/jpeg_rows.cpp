#include "image/jpeg_rows.h"

#include <cstring>

namespace ezo {

std::optional<JpegSize> NextShrinkSize(JpegSize current, JpegSize file) {
    const JpegSize next{current.width - file.width / 10, current.height - file.height / 10};
    if (next.width <= 0 || next.height <= 0) return std::nullopt;
    if (next == current) return std::nullopt;
    return next;
}

bool RowSampler::Take(int32_t scanline) {
    if (scanline != accumulator_ / used_) return false;
    accumulator_ += total_;
    return true;
}

namespace {

template <int Components>
inline void ToBgr(const uint8_t* s, uint8_t* d) {
    if constexpr (Components == kGrayComponents) {
        d[0] = d[1] = d[2] = s[0];
    } else if constexpr (Components == kRgbComponents) {
        d[0] = s[2];
        d[1] = s[1];
        d[2] = s[0];
    } else {
        // Inverted CMYK as Adobe stores it: each of c0, c1, c2 is already
        // the light of red, green, blue, darkened by k.
        const unsigned k = s[3];
        d[0] = uint8_t(s[2] * k / 255);
        d[1] = uint8_t(s[1] * k / 255);
        d[2] = uint8_t(s[0] * k / 255);
    }
}

template <int Components>
void PlaceRow(const uint8_t* src, int32_t sourceWidth, uint8_t* dst, int32_t width) {
    if (sourceWidth == width) {
        for (int32_t n = 0; n < width; ++n, src += Components, dst += 3) ToBgr<Components>(src, dst);
        return;
    }
    // Column accumulator: output pixel n takes source column n * sourceWidth / width.
    int64_t accumulator = 0;
    for (int32_t n = 0; n < width; ++n, dst += 3) {
        const int64_t column = accumulator / width;
        if (column >= sourceWidth) break;
        ToBgr<Components>(src + column * Components, dst);
        accumulator += sourceWidth;
    }
}

}  // namespace

void PlaceJpegRow(const uint8_t* src, int components, int32_t sourceWidth, uint8_t* dst,
                  int32_t width) {
    switch (components) {
    case kGrayComponents: PlaceRow<kGrayComponents>(src, sourceWidth, dst, width); break;
    case kRgbComponents: PlaceRow<kRgbComponents>(src, sourceWidth, dst, width); break;
    case kCmykComponents: PlaceRow<kCmykComponents>(src, sourceWidth, dst, width); break;
    default: break;
    }
}

void FillRowGrey(uint8_t* dst, int32_t width) { std::memset(dst, kMissingDataGrey, size_t(width) * 3); }

}  // namespace ezo
