#include "demo/gif_writer.h"

#include <algorithm>
#include <cstdlib>

namespace demo {
namespace {

constexpr int kCubeLevels = 6;
constexpr int kCubeColours = kCubeLevels * kCubeLevels * kCubeLevels;  // 216
constexpr int kGreys = 256 - kCubeColours;                               // 40

// A pixel this close to grey takes the grey ramp, which is finer.
constexpr int kGreyTolerance = 12;

constexpr int kBayer4[4][4] = {{0, 8, 2, 10}, {12, 4, 14, 6}, {3, 11, 1, 9}, {15, 7, 13, 5}};

std::array<Rgb, 256> MakePalette() {
    std::array<Rgb, 256> palette{};
    for (int i = 0; i < kCubeColours; ++i) {
        auto level = [](int l) { return static_cast<uint8_t>(l * 51); };
        palette[i] = {level(i / 36), level(i / 6 % 6), level(i % 6)};
    }
    for (int i = 0; i < kGreys; ++i) {
        auto v = static_cast<uint8_t>((i + 1) * 255 / (kGreys + 1));
        palette[kCubeColours + i] = {v, v, v};
    }
    return palette;
}

uint8_t NearestGrey(int value) {
    const auto& palette = GifPalette();
    int best = 0, bestError = 256;
    // The cube's six greys and the ramp's forty.
    for (int i = 0; i < 256; ++i) {
        if (i < kCubeColours && !(i / 36 == i / 6 % 6 && i / 6 % 6 == i % 6)) continue;
        int error = std::abs(palette[i].r - value);
        if (error < bestError) {
            best = i;
            bestError = error;
        }
    }
    return static_cast<uint8_t>(best);
}

int CubeLevel(uint8_t value, int threshold) {
    // value * 5 / 255 with the dither threshold (0..15) spread over one step.
    int level = (value * (kCubeLevels - 1) * 16 + threshold * 255 + 127) / (255 * 16);
    return std::min(level, kCubeLevels - 1);
}

// Packs codes of varying width, lowest bit first, as GIF wants them.
class BitPacker {
public:
    void put(int code, int width) {
        buffer_ |= static_cast<uint32_t>(code) << bits_;
        bits_ += width;
        while (bits_ >= 8) {
            bytes_.push_back(static_cast<uint8_t>(buffer_));
            buffer_ >>= 8;
            bits_ -= 8;
        }
    }
    std::vector<uint8_t> finish() {
        if (bits_ > 0) bytes_.push_back(static_cast<uint8_t>(buffer_));
        bits_ = 0;
        buffer_ = 0;
        return std::move(bytes_);
    }

private:
    std::vector<uint8_t> bytes_;
    uint32_t buffer_ = 0;
    int bits_ = 0;
};

void Put16(std::vector<uint8_t>& out, int v) {
    out.push_back(static_cast<uint8_t>(v));
    out.push_back(static_cast<uint8_t>(v >> 8));
}

}  // namespace

const std::array<Rgb, 256>& GifPalette() {
    static const std::array<Rgb, 256> palette = MakePalette();
    return palette;
}

std::vector<uint8_t> QuantiseToPalette(const Picture& picture) {
    std::vector<uint8_t> indices;
    indices.reserve(static_cast<size_t>(picture.width()) * picture.height());
    for (int y = 0; y < picture.height(); ++y) {
        for (int x = 0; x < picture.width(); ++x) {
            Rgb c = picture.at(x, y);
            int high = std::max({c.r, c.g, c.b}), low = std::min({c.r, c.g, c.b});
            if (high - low <= kGreyTolerance) {
                indices.push_back(NearestGrey((c.r + c.g + c.b) / 3));
                continue;
            }
            int t = kBayer4[y & 3][x & 3];
            indices.push_back(static_cast<uint8_t>(CubeLevel(c.r, t) * 36 + CubeLevel(c.g, t) * 6 + CubeLevel(c.b, t)));
        }
    }
    return indices;
}

std::vector<uint8_t> LzwEncode(const std::vector<uint8_t>& indices) {
    constexpr int kClear = 256, kEnd = 257, kFirstFree = 258, kMaxCodes = 4096;
    // The width a reader uses for the next code, given the codes it knows.
    auto widthFor = [](int codes) {
        int width = 9;
        while ((1 << width) < codes) ++width;
        return width;
    };
    // child[prefix * 256 + byte]: the code of prefix followed by byte, 0 for none.
    std::vector<uint16_t> child(static_cast<size_t>(kMaxCodes) * 256, 0);
    int nextCode = kFirstFree;
    BitPacker out;
    out.put(kClear, widthFor(nextCode));
    if (indices.empty()) {
        out.put(kEnd, widthFor(nextCode + 1));
        return out.finish();
    }
    int prefix = indices[0];
    for (size_t i = 1; i < indices.size(); ++i) {
        uint8_t byte = indices[i];
        uint16_t& known = child[static_cast<size_t>(prefix) * 256 + byte];
        if (known != 0) {
            prefix = known;
            continue;
        }
        out.put(prefix, widthFor(nextCode));
        known = static_cast<uint16_t>(nextCode++);
        if (nextCode == kMaxCodes) {
            // The table is full: start again.
            out.put(kClear, widthFor(nextCode));
            std::fill(child.begin(), child.end(), 0);
            nextCode = kFirstFree;
        }
        prefix = byte;
    }
    out.put(prefix, widthFor(nextCode));
    // Reading the last code adds one entry on the reader's side.
    out.put(kEnd, widthFor(nextCode + 1));
    return out.finish();
}

std::vector<uint8_t> EncodeGif(const Picture& picture) {
    if (picture.empty() || picture.width() > 0xFFFF || picture.height() > 0xFFFF) return {};
    std::vector<uint8_t> out = {'G', 'I', 'F', '8', '9', 'a'};
    Put16(out, picture.width());
    Put16(out, picture.height());
    out.push_back(0xF7);  // global palette of 256 colours, 8 bits a primary
    out.push_back(0);     // background colour
    out.push_back(0);     // square pixels
    for (const Rgb& c : GifPalette()) {
        out.push_back(c.r);
        out.push_back(c.g);
        out.push_back(c.b);
    }
    out.push_back(0x2C);  // image descriptor
    Put16(out, 0);
    Put16(out, 0);
    Put16(out, picture.width());
    Put16(out, picture.height());
    out.push_back(0);  // no local palette, not interlaced
    out.push_back(8);  // minimum code size
    std::vector<uint8_t> data = LzwEncode(QuantiseToPalette(picture));
    for (size_t at = 0; at < data.size(); at += 255) {
        size_t length = std::min<size_t>(255, data.size() - at);
        out.push_back(static_cast<uint8_t>(length));
        out.insert(out.end(), data.begin() + static_cast<std::ptrdiff_t>(at),
                   data.begin() + static_cast<std::ptrdiff_t>(at + length));
    }
    out.push_back(0);     // end of the image data
    out.push_back(0x3B);  // trailer
    return out;
}

}  // namespace demo
