#include "platform/gdi/pixel_format.h"

namespace gdi {

Rgb ReadPixelAt(const uint8_t* p, int32_t bitsPerPixel) {
    switch (bitsPerPixel) {
    case 16: return ReadPixel<16>(p);
    case 24: return ReadPixel<24>(p);
    default: return ReadPixel<32>(p);
    }
}

void WritePixelAt(uint8_t* p, int32_t bitsPerPixel, Rgb c) {
    switch (bitsPerPixel) {
    case 16: WritePixel<16>(p, c); break;
    case 24: WritePixel<24>(p, c); break;
    default: WritePixel<32>(p, c); break;
    }
}

}  // namespace gdi
