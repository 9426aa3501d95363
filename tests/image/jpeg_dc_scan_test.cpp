// The DC scan beside the library's own 1/8 decode: the same pictures from
// the files it takes, and exactly the library's result (through a refusal)
// for the files it does not take.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <fstream>
#include <functional>
#include <iterator>

#include "image/jpeg_dc_scan.h"
#include "image/jpeg_decoder.h"
#include "platform/files/file_io.h"
#include "support/jpeg_test_support.h"

namespace ezo {
namespace {

using Bytes = std::vector<uint8_t>;
using Format = jpeg_writer::Format;

// A picture with smooth shapes and fine stripes in every channel.
Bytes Photo(Format format) {
    return jpeg_writer::Encode(format, [&format](int y, uint8_t* row) {
        for (int x = 0; x < format.width; ++x)
            for (int c = 0; c < format.components; ++c) {
                const double wave = 100 * std::sin((x + 7 * c) / 9.0) * std::cos((y - 5 * c) / 13.0);
                const int stripe = ((x / 3 + y / 5 + c) % 4) * 8;
                *row++ = uint8_t(std::clamp(int(128 + wave) + stripe - 12 + (c ? x - y : 0) % 40, 0, 255));
            }
    });
}

Format Colour(int width, int height) { return {.width = width, .height = height}; }
Format Grey(int width, int height) {
    return {.width = width, .height = height, .components = 1, .space = JCS_GRAYSCALE};
}
Format With(Format format, const std::function<void(Format&)>& change) {
    change(format);
    return format;
}

Bytes Shared(const char* name) {
    std::ifstream in(std::string(EZO_TESTDATA) + "/jpeg/" + name, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// Where marker FF code first stands at or after from; the size when absent.
size_t FindMarker(const Bytes& bytes, uint8_t code, size_t from = 0) {
    for (size_t i = from; i + 1 < bytes.size(); ++i)
        if (bytes[i] == 0xFF && bytes[i + 1] == code) return i;
    return bytes.size();
}
size_t DataStart(const Bytes& bytes) {
    const size_t sos = FindMarker(bytes, 0xDA);
    return sos + 2 + size_t(bytes[sos + 2] << 8 | bytes[sos + 3]);
}

void RemoveJfif(Bytes& bytes) {
    const size_t app0 = FindMarker(bytes, 0xE0);
    bytes.erase(bytes.begin() + long(app0), bytes.begin() + long(app0 + 2 + size_t(bytes[app0 + 2] << 8 | bytes[app0 + 3])));
}

// Component ids R, G, B: without a JFIF segment the library takes the file
// as RGB.
void SetRgbIds(Bytes& bytes) {
    const size_t sof = FindMarker(bytes, 0xC0), sos = FindMarker(bytes, 0xDA);
    for (int c = 0; c < 3; ++c) bytes[sof + 10 + 3 * size_t(c)] = bytes[sos + 5 + 2 * size_t(c)] = "RGB"[c];
}

void InsertAdobe(Bytes& bytes, uint8_t transform) {
    const Bytes adobe = {0xFF, 0xEE, 0, 14, 'A', 'd', 'o', 'b', 'e', 0, 100, 0, 0, 0, 0, transform};
    bytes.insert(bytes.begin() + 2, adobe.begin(), adobe.end());
}

// A picture decoded at 1/8 and whether the decode succeeded.
struct Eighth {
    bool decoded = false;
    gdi::BitmapPtr bitmap;
};

Eighth DecodeEighth(const std::u16string& path, ReducedJpegPath decoders, gdi::BitmapPtr kept = nullptr) {
    Eighth result{false, std::move(kept)};
    ReducedJpegDecode decode(path, nullptr, decoders);
    result.decoded = decode.Decode({1, 1}, result.bitmap);
    return result;
}

// The largest difference in any channel between the means of cell x cell
// pixels of a and b.
int Compare(const gdi::Bitmap& a, const gdi::Bitmap& b, int32_t cell = 1) {
    int largest = 0;
    for (int32_t top = 0; top < a.height(); top += cell)
        for (int32_t left = 0; left < a.width(); left += cell)
            for (int32_t channel = 0; channel < 3; ++channel) {
                int32_t inA = 0, inB = 0, count = 0;
                for (int32_t y = top; y < std::min(top + cell, a.height()); ++y)
                    for (int32_t x = left; x < std::min(left + cell, a.width()); ++x, ++count) {
                        inA += a.row(y)[3 * x + channel];
                        inB += b.row(y)[3 * x + channel];
                    }
                largest = std::max(largest, (std::abs(inA - inB) + count / 2) / count);
            }
    return largest;
}

struct Case {
    const char* name;
    std::function<Bytes()> bytes;
    int largest = 0;  // the largest channel difference allowed
    int32_t cell = 1;  // compared in means of cell x cell pixels
};

// Grey, and colour at full resolution or halved one way, come out as from
// the library (which repeats the colour too at this scale). Colour at half
// width and height the library spreads over its four pixels where the scan
// repeats it: those agree as means of 2 x 2 pixels.
TEST(DcScan, GivesTheLibrarysEighth) {
    const Case cases[] = {
        {"4:2:0", [] { return Photo(Colour(203, 117)); }, 12, 2},
        {"4:4:4", [] { return Photo(With(Colour(64, 48), [](Format& f) { f.fullChroma = true; })); }, 0},
        {"4:2:2", [] { return Photo(With(Colour(90, 70), [](Format& f) { f.halfWidthChroma = true; })); }},
        {"grey", [] { return Photo(Grey(77, 41)); }, 0},
        {"grey 1x1", [] { return Photo(Grey(1, 1)); }, 0},
        {"odd 4:2:0", [] { return Photo(Colour(17, 9)); }, 12, 2},
        {"restarts 4:2:0", [] { return Photo(With(Colour(150, 100), [](Format& f) { f.restartInterval = 3; })); }, 12, 2},
        {"restarts grey", [] { return Photo(With(Grey(120, 33), [](Format& f) { f.restartInterval = 1; })); }, 0},
        {"grey with an Adobe segment", [] { Bytes b = Photo(Grey(40, 40)); InsertAdobe(b, 0); return b; }, 0},
        {"4:4:4 with Adobe YCbCr", [] {
             Bytes b = Photo(With(Colour(40, 24), [](Format& f) { f.fullChroma = true; }));
             InsertAdobe(b, 1);
             return b;
         }, 0},
        {"shared 4:2:0", [] { return Shared("pillow-hopper.jpg"); }, 12, 2},
        {"shared 4:2:0 odd width", [] { return Shared("libjpeg-turbo-testorig.jpg"); }, 12, 2},
        {"shared 4:2:2", [] { return Shared("pillow-iptc-ycbcr422.jpg"); }},
        {"shared 4:4:4", [] { return Shared("jpegsuite-baseline-ycbcr444.jpg"); }, 0},
        {"shared mixed sampling", [] { return Shared("jpegsuite-baseline-ycbcr-mixed-sampling.jpg"); }},
        {"shared restarts", [] { return Shared("jpeg-decoder-restarts-33x33.jpg"); }, 0},
        {"shared grey", [] { return Shared("jpegsuite-baseline-gray.jpg"); }, 0},
        {"shared grey 1x1", [] { return Shared("jpegsuite-baseline-gray-1x1.jpg"); }, 0},
    };
    jpeg_test::DeviceFolder folder;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const Bytes bytes = c.bytes();
        if (bytes.empty()) continue;  // the shared pictures are not here
        const std::u16string path = folder.WriteBytes("p.jpg", bytes);
        const Eighth library = DecodeEighth(path, ReducedJpegPath::LibraryOnly);
        ASSERT_TRUE(library.decoded);
        // The scan takes the file itself...
        gdi::BitmapPtr scanned = DecodeEighth(path, ReducedJpegPath::LibraryOnly).bitmap;
        const files::FilePtr file = files::_wfopen(path, u"rb");
        ASSERT_EQ(DecodeJpegDcScan(file.get(), *scanned, nullptr), DcScanResult::Decoded);
        EXPECT_LE(Compare(*scanned, *library.bitmap, c.cell), c.largest);
        // ... and a reduced decode gives its pixels.
        const Eighth reduced = DecodeEighth(path, ReducedJpegPath::DcScanFirst);
        ASSERT_TRUE(reduced.decoded);
        EXPECT_EQ(Compare(*reduced.bitmap, *scanned), 0);
    }
}

// The files the scan refuses end as the library's decode ends, whatever the
// scan left in a kept bitmap.
TEST(DcScan, RefusedFilesComeOutAsFromTheLibrary) {
    const auto photo = [] { return Photo(Colour(160, 96)); };
    const auto restarts = [] { return Photo(With(Colour(160, 96), [](Format& f) { f.restartInterval = 2; })); };
    const Case cases[] = {
        {"progressive", [] { return Photo(With(Colour(64, 64), [](Format& f) { f.scans = Format::Scans::Progressive; })); }},
        {"cut short", [&] { Bytes b = photo(); b.resize(DataStart(b) + (b.size() - DataStart(b)) / 2); return b; }},
        {"cut in the header", [&] { Bytes b = photo(); b.resize(DataStart(b) - 3); return b; }},
        {"end marker in the data", [&] {
             Bytes b = photo();
             const size_t at = (DataStart(b) + b.size()) / 2;
             b[at] = 0xFF, b[at + 1] = 0xD9;
             return b;
         }},
        {"restart out of order", [&] {
             Bytes b = restarts();
             b[FindMarker(b, 0xD1) + 1] = 0xD5;
             return b;
         }},
        {"restart missing", [&] {
             Bytes b = restarts();
             const size_t at = FindMarker(b, 0xD2);
             b.erase(b.begin() + long(at), b.begin() + long(at) + 2);
             return b;
         }},
        {"a comment after the scan", [&] {
             Bytes b = photo();
             const Bytes comment = {0xFF, 0xFE, 0, 3, 'x'};
             b.insert(b.end() - 2, comment.begin(), comment.end());
             return b;
         }},
        {"RGB by its ids", [] {
             Bytes b = Photo(With(Colour(48, 32), [](Format& f) { f.fullChroma = true; }));
             RemoveJfif(b);
             SetRgbIds(b);
             return b;
         }},
        {"Adobe RGB", [] {
             Bytes b = Photo(With(Colour(48, 32), [](Format& f) { f.fullChroma = true; }));
             RemoveJfif(b);
             InsertAdobe(b, 0);
             return b;
         }},
        {"shared cut short", [] { return Shared("imagetestsuite-truncated-3484x2347.jpg"); }},
        {"shared CMYK Adobe", [] { return Shared("jpegsuite-baseline-cmyk-adobe.jpg"); }},
        {"shared YCCK", [] { return Shared("pillow-sample-ycck.jpg"); }},
        {"shared arithmetic", [] { return Shared("libjpeg-turbo-testimgari.jpg"); }},
        {"shared 12-bit", [] { return Shared("libjpeg-turbo-monkey12.jpg"); }},
        {"shared bogus Huffman table", [] { return Shared("jpeg-decoder-bogus-huffman-table.jpg"); }},
        {"shared two SOI", [] { return Shared("imagetestsuite-two-soi.jpg"); }},
    };
    jpeg_test::DeviceFolder folder;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const Bytes bytes = c.bytes();
        if (bytes.empty()) continue;
        const std::u16string path = folder.WriteBytes("p.jpg", bytes);
        const Eighth library = DecodeEighth(path, ReducedJpegPath::LibraryOnly);
        if (library.bitmap) {
            gdi::BitmapPtr scanned = DecodeEighth(path, ReducedJpegPath::LibraryOnly).bitmap;
            const files::FilePtr file = files::_wfopen(path, u"rb");
            EXPECT_EQ(DecodeJpegDcScan(file.get(), *scanned, nullptr), DcScanResult::Refused);
        }
        gdi::BitmapPtr kept = DecodeEighth(path, ReducedJpegPath::LibraryOnly).bitmap;
        if (kept) std::fill(kept->pixels(), kept->pixels() + kept->byteSize(), uint8_t(0x5A));
        const Eighth reduced = DecodeEighth(path, ReducedJpegPath::DcScanFirst, std::move(kept));
        ASSERT_EQ(reduced.decoded, library.decoded);
        if (library.decoded) {
            EXPECT_EQ(Compare(*reduced.bitmap, *library.bitmap), 0);
        }
    }
}

TEST(DcScan, StopsWhenCancelled) {
    jpeg_test::DeviceFolder folder;
    const std::u16string path = folder.WriteBytes("p.jpg", Photo(Colour(64, 64)));
    gdi::BitmapPtr target = DecodeEighth(path, ReducedJpegPath::LibraryOnly).bitmap;
    const std::atomic<bool> cancel{true};
    const files::FilePtr file = files::_wfopen(path, u"rb");
    EXPECT_EQ(DecodeJpegDcScan(file.get(), *target, &cancel), DcScanResult::Cancelled);
    ReducedJpegDecode decode(path, &cancel);
    EXPECT_FALSE(decode.Decode({1, 1}, target));
}

}  // namespace
}  // namespace ezo
