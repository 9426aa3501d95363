#pragma once
// One pixel of each bitmap depth read as 8-bit red, green and blue, and
// written back. 16 bits: 5-5-5 (red in bits 10-14, green 5-9, blue 0-4),
// bit 15 ignored and written 0; five-bit channels widen as v << 3 and narrow
// by keeping their top five bits. 24 bits: bytes blue, green, red. 32 bits:
// bytes blue, green, red, unused; the unused byte is written 0xFF so that the
// memory reads as opaque 0xFFRRGGBB words.
#include <bit>
#include <cstdint>
#include <cstring>

#include "platform/gdi/types.h"

namespace gdi {

static_assert(std::endian::native == std::endian::little, "pixel words are little-endian");

struct Rgb {
    uint8_t r = 0, g = 0, b = 0;
    friend bool operator==(const Rgb&, const Rgb&) = default;
};

constexpr Rgb ToRgb(COLORREF c) { return {GetRValue(c), GetGValue(c), GetBValue(c)}; }

template <int Bits>
inline Rgb ReadPixel(const uint8_t* p);

template <>
inline Rgb ReadPixel<16>(const uint8_t* p) {
    const unsigned v = unsigned(p[0]) | (unsigned(p[1]) << 8);
    return {uint8_t(((v >> 10) & 31) << 3), uint8_t(((v >> 5) & 31) << 3), uint8_t((v & 31) << 3)};
}
template <>
inline Rgb ReadPixel<24>(const uint8_t* p) {
    return {p[2], p[1], p[0]};
}
template <>
inline Rgb ReadPixel<32>(const uint8_t* p) {
    return {p[2], p[1], p[0]};
}

template <int Bits>
inline void WritePixel(uint8_t* p, Rgb c);

template <>
inline void WritePixel<16>(uint8_t* p, Rgb c) {
    const unsigned v = (unsigned(c.r >> 3) << 10) | (unsigned(c.g >> 3) << 5) | unsigned(c.b >> 3);
    p[0] = uint8_t(v);
    p[1] = uint8_t(v >> 8);
}
template <>
inline void WritePixel<24>(uint8_t* p, Rgb c) {
    p[0] = c.b;
    p[1] = c.g;
    p[2] = c.r;
}
template <>
inline void WritePixel<32>(uint8_t* p, Rgb c) {
    const uint32_t v = 0xFF000000u | (uint32_t(c.r) << 16) | (uint32_t(c.g) << 8) | c.b;
    std::memcpy(p, &v, 4);
}

template <int Bits>
inline void InvertPixel(uint8_t* p);

template <>
inline void InvertPixel<16>(uint8_t* p) {
    p[0] = uint8_t(~p[0]);
    p[1] = uint8_t(~p[1] & 0x7F);
}
template <>
inline void InvertPixel<24>(uint8_t* p) {
    p[0] = uint8_t(~p[0]);
    p[1] = uint8_t(~p[1]);
    p[2] = uint8_t(~p[2]);
}
template <>
inline void InvertPixel<32>(uint8_t* p) {
    InvertPixel<24>(p);
    p[3] = 0xFF;
}

// Runtime-depth forms for code that touches few pixels (tests, lines).
Rgb ReadPixelAt(const uint8_t* p, int32_t bitsPerPixel);
void WritePixelAt(uint8_t* p, int32_t bitsPerPixel, Rgb c);

}  // namespace gdi
