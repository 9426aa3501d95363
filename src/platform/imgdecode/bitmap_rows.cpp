#include "platform/imgdecode/bitmap_rows.h"

#include "platform/gdi/pixel_format.h"

namespace imgdecode {
namespace {

gdi::Rgb Opaque(uint32_t argb) { return {uint8_t(argb >> 16), uint8_t(argb >> 8), uint8_t(argb)}; }

// Kept out of line: the opaque pixels of the common case stay a tight loop.
[[gnu::noinline]] gdi::Rgb OnWhite(uint32_t argb) {
    const uint32_t alpha = argb >> 24;
    const auto blend = [alpha](uint32_t channel) {
        return uint8_t((channel * alpha + 255 * (255 - alpha) + 127) / 255);
    };
    return {blend((argb >> 16) & 0xFF), blend((argb >> 8) & 0xFF), blend(argb & 0xFF)};
}

template <int Bits>
void RgbRow(uint8_t* out, const uint8_t* rgb, int32_t width) {
    for (int32_t x = 0; x < width; ++x, rgb += 3, out += Bits / 8)
        gdi::WritePixel<Bits>(out, gdi::Rgb{rgb[0], rgb[1], rgb[2]});
}

template <int Bits>
void ArgbRow(uint8_t* out, const uint32_t* argb, int32_t width) {
    for (int32_t x = 0; x < width; ++x, out += Bits / 8) {
        const uint32_t p = argb[x];
        gdi::WritePixel<Bits>(out, p >= 0xFF000000u ? Opaque(p) : OnWhite(p));
    }
}

}  // namespace

bool IsDecodableDepth(int32_t bitsPerPixel) {
    return bitsPerPixel == 16 || bitsPerPixel == 24 || bitsPerPixel == 32;
}

gdi::BitmapPtr CreatePictureBitmap(int32_t width, int32_t height, int32_t bitsPerPixel) {
    gdi::BITMAPINFO info{};
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = height;  // positive: bottom-up
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = uint16_t(bitsPerPixel);
    info.bmiHeader.biCompression = gdi::BI_RGB;
    void* bits = nullptr;
    return gdi::CreateDIBSection(nullptr, &info, gdi::DIB_RGB_COLORS, &bits);
}

void WriteRgbRow(gdi::Bitmap& bitmap, int32_t y, const uint8_t* rgb) {
    uint8_t* out = bitmap.row(y);
    switch (bitmap.bitsPerPixel()) {
    case 16: return RgbRow<16>(out, rgb, bitmap.width());
    case 24: return RgbRow<24>(out, rgb, bitmap.width());
    case 32: return RgbRow<32>(out, rgb, bitmap.width());
    }
}

void WriteArgbRow(gdi::Bitmap& bitmap, int32_t y, const uint32_t* argb) {
    uint8_t* out = bitmap.row(y);
    switch (bitmap.bitsPerPixel()) {
    case 16: return ArgbRow<16>(out, argb, bitmap.width());
    case 24: return ArgbRow<24>(out, argb, bitmap.width());
    case 32: return ArgbRow<32>(out, argb, bitmap.width());
    }
}

}  // namespace imgdecode
