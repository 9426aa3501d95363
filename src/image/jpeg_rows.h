#pragma once
// How decoded JPEG scanlines become rows of a 24-bit bottom-up bitmap: the
// pixel conversions to blue-green-red, the nearest-neighbour sampling of a
// reduced decode, and the smaller sizes tried when memory is short. Pure
// arithmetic, so it is tested without the library.
#include <cstdint>
#include <optional>

namespace ezo {

struct JpegSize {
    int32_t width = 0;
    int32_t height = 0;
    friend bool operator==(const JpegSize&, const JpegSize&) = default;
};

// The size to try after a bitmap of `current` could not be made: a tenth of
// the file's size less in each dimension (so 100 %, 90 %, 80 %, ...). None
// when a dimension would reach zero, or when the step changes neither
// dimension (a picture under 10 pixels both ways cannot get smaller).
std::optional<JpegSize> NextShrinkSize(JpegSize current, JpegSize file);

// Picks the scanlines of a reduced decode as they arrive, with an integer
// accumulator: scanline i is used when it equals accumulator / used, and
// each used scanline adds total to the accumulator. Exactly `used`
// scanlines are taken; output row m comes from scanline m * total / used.
class RowSampler {
public:
    RowSampler(int32_t total, int32_t used) : total_(total), used_(used) {}
    // Call once per scanline, in order; true when this one is used.
    bool Take(int32_t scanline);

private:
    int64_t accumulator_ = 0;  // reaches used * total: past 32 bits for big pictures
    int32_t total_;
    int32_t used_;
};

// Bytes per pixel of the output colour spaces the decoder accepts.
constexpr int kGrayComponents = 1;
constexpr int kRgbComponents = 3;
constexpr int kCmykComponents = 4;

// Writes `width` blue-green-red pixels into dst from one delivered scanline
// of `sourceWidth` pixels of `components` bytes (1 grey, 3 red-green-blue,
// 4 inverted CMYK). When the widths differ the row is sampled: output pixel
// n comes from source pixel n * sourceWidth / width. Padding is not touched.
void PlaceJpegRow(const uint8_t* src, int components, int32_t sourceWidth, uint8_t* dst,
                  int32_t width);

// Mid-grey, what the library itself produces where data is missing.
constexpr uint8_t kMissingDataGrey = 128;
void FillRowGrey(uint8_t* dst, int32_t width);

}  // namespace ezo
