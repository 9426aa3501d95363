#include "image/jpeg_rows.h"

#include <cstring>

#if defined(__x86_64__)
#include <immintrin.h>
#endif

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

#if defined(__x86_64__)
// Red-green-blue to blue-green-red five pixels at a time: each 16-byte step
// also writes the first byte of the next pixel, which the next step (or the
// caller's tail) writes again, so nothing past the row's pixels is touched.
// Returns the number of pixels done.
__attribute__((target("ssse3"))) int32_t ExchangeRedBlueSsse3(const uint8_t* src, uint8_t* dst,
                                                              int32_t width) {
    const __m128i order = _mm_setr_epi8(2, 1, 0, 5, 4, 3, 8, 7, 6, 11, 10, 9, 14, 13, 12, 15);
    int32_t n = 0;
    for (; n + 6 <= width; n += 5) {
        const __m128i pixels = _mm_loadu_si128(reinterpret_cast<const __m128i*>(src + 3 * n));
        _mm_storeu_si128(reinterpret_cast<__m128i*>(dst + 3 * n), _mm_shuffle_epi8(pixels, order));
    }
    return n;
}

int32_t ExchangeRedBlueFast(const uint8_t* src, uint8_t* dst, int32_t width) {
    static const bool hasSsse3 = __builtin_cpu_supports("ssse3");
    return hasSsse3 ? ExchangeRedBlueSsse3(src, dst, width) : 0;
}
#else
int32_t ExchangeRedBlueFast(const uint8_t*, uint8_t*, int32_t) { return 0; }
#endif

template <int Components>
void PlaceRow(const uint8_t* src, int32_t sourceWidth, uint8_t* dst, int32_t width) {
    if (sourceWidth == width) {
        int32_t n = 0;
        if constexpr (Components == kRgbComponents) n = ExchangeRedBlueFast(src, dst, width);
        src += n * Components;
        dst += n * 3;
        for (; n < width; ++n, src += Components, dst += 3) ToBgr<Components>(src, dst);
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
