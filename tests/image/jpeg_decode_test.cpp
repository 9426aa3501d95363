// Decoding JPEG files into the current-image slot: pixel order and colours,
// shrinking when memory is short, data that ends early, failures.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>

#include "image/decoded_image.h"
#include "image/jpeg_decoder.h"
#include "image/view_state.h"
#include "jpeg_test_support.h"
#include "platform/gdi/memory_budget.h"

namespace ezo {
namespace {

using jpeg_test::Samples;
using jpeg_test::Uniform;
using Bgr = std::array<uint8_t, 3>;

// JPEG is lossy, and the fast DCT more so.
constexpr int kTolerance = 6;

::testing::AssertionResult Near(Bgr actual, Bgr expected) {
    for (int i = 0; i < 3; ++i)
        if (std::abs(actual[i] - expected[i]) > kTolerance)
            return ::testing::AssertionFailure() << "got " << int(actual[0]) << "," << int(actual[1]) << ","
                                                 << int(actual[2]) << " want " << int(expected[0]) << ","
                                                 << int(expected[1]) << "," << int(expected[2]);
    return ::testing::AssertionSuccess();
}

class JpegDecodeTest : public ::testing::Test {
protected:
    void SetUp() override { jpeg_test::ResetSlot(); }
    void TearDown() override { jpeg_test::ResetSlot(); }

    jpeg_test::DeviceFolder folder;
    jpeg_test::CountingBackend backend;
};

// The top 8 rows in one colour, the rest in another, so that row order shows.
Samples TwoBands(int32_t width, int32_t height, Bgr top, Bgr bottom) {
    Samples s = Uniform(width, height, JCS_RGB, {top[2], top[1], top[0]});
    for (int32_t y = 8; y < height; ++y)
        for (int32_t x = 0; x < width; ++x) {
            uint8_t* p = &s.bytes[(size_t(y) * width + x) * 3];
            p[0] = bottom[2], p[1] = bottom[1], p[2] = bottom[0];
        }
    return s;
}

TEST_F(JpegDecodeTest, ThreeComponentPicturesComeOutBlueFirstBottomUp) {
    const Bgr top{90, 40, 200}, bottom{30, 220, 60};
    for (int32_t width : {1, 2, 3, 4, 5, 7, 8, 13, 16, 33}) {
        SCOPED_TRACE(testing::Message() << "width " << width);
        const auto path = folder.Write("rgb.jpg", TwoBands(width, 16, top, bottom));
        ASSERT_EQ(DecodeJpeg(nullptr, path), 1);
        const gdi::Bitmap& image = *viewState.currentImage;
        ASSERT_EQ(image.width(), width);
        ASSERT_EQ(image.height(), 16);
        EXPECT_EQ(image.bitsPerPixel(), 24);
        EXPECT_TRUE(image.bottomUp());
        EXPECT_EQ(image.stride(), (width * 3 + 3) / 4 * 4);
        for (int32_t y = 0; y < 16; ++y)
            for (int32_t x = 0; x < width; ++x)
                ASSERT_TRUE(Near(jpeg_test::SlotPixel(x, y), y < 8 ? top : bottom)) << x << "," << y;
    }
}

TEST_F(JpegDecodeTest, GreyAndCmykPicturesBecomeBlueGreenRed) {
    struct Case {
        const char* name;
        J_COLOR_SPACE space;
        std::vector<uint8_t> pixel;
        Bgr expected;
    };
    const Case cases[] = {
        {"grey", JCS_GRAYSCALE, {150}, {150, 150, 150}},
        {"cmyk", JCS_CMYK, {255, 0, 128, 255}, {128, 0, 255}},
        {"cmyk k=0", JCS_CMYK, {255, 200, 128, 0}, {0, 0, 0}},
        {"cmyk half", JCS_CMYK, {255, 255, 100, 128}, {50, 128, 128}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const auto path = folder.Write("pixels.jpg", Uniform(11, 9, c.space, c.pixel));
        ASSERT_EQ(DecodeJpeg(nullptr, path), 1);
        for (int32_t y = 0; y < 9; ++y) {
            for (int32_t x = 0; x < 11; ++x) {
                const Bgr p = jpeg_test::SlotPixel(x, y);
                ASSERT_TRUE(Near(p, c.expected)) << x << "," << y;
                if (c.space == JCS_GRAYSCALE) {
                    ASSERT_TRUE(p[0] == p[1] && p[1] == p[2]);
                }
            }
        }
    }
}

// Every 8 x 8 block one of three well-separated greys, so sampling errors
// show as wrong blocks.
uint8_t BlockGrey(int32_t x, int32_t y) {
    const uint32_t bx = uint32_t(x / 8), by = uint32_t(y / 8);
    return uint8_t(20 + 100 * ((bx * 7 + by * 13 + bx * by) % 3));
}

TEST_F(JpegDecodeTest, ShortMemoryDecodesSmallerWithNearestRowsAndColumns) {
    Samples blocks;
    blocks.width = 2000;
    blocks.height = 1500;
    blocks.components = 1;
    blocks.space = JCS_GRAYSCALE;
    for (int32_t y = 0; y < blocks.height; ++y)
        for (int32_t x = 0; x < blocks.width; ++x) blocks.bytes.push_back(BlockGrey(x, y));
    const auto path = folder.Write("blocks.jpg", blocks);

    // Full size needs 9 000 000 bytes, 90 % needs 7 290 000.
    gdi::ScopedMemoryBudget budget(8'000'000);
    ASSERT_EQ(DecodeJpeg(nullptr, path), 1);
    ASSERT_EQ(viewState.currentImage->width(), 1800);
    ASSERT_EQ(viewState.currentImage->height(), 1350);
    EXPECT_EQ(viewState.isLarge, 1);
    EXPECT_EQ(viewState.fitZoom, ComputeFitZoom(1800, 1350));
    int wrong = 0;
    for (int32_t m = 0; m < 1350; ++m)
        for (int32_t n = 0; n < 1800; ++n) {
            const uint8_t want = BlockGrey(n * 2000 / 1800, m * 1500 / 1350);
            const Bgr p = jpeg_test::SlotPixel(n, m);
            wrong += !Near(p, {want, want, want});
        }
    EXPECT_EQ(wrong, 0);
    EXPECT_EQ(backend.taken, backend.released);
}

TEST_F(JpegDecodeTest, ShrinkingEndsWithTheLastSizeThatFitsOrFails) {
    // A 5 x 40 picture: the width stays 5 while the height goes 40, 36, ... 4.
    // Rows of a 5-pixel picture take 16 bytes.
    const auto path = folder.Write("thin.jpg", Uniform(5, 40, JCS_RGB, {10, 20, 30}));
    struct Case {
        uint64_t budget;
        int result;
        int32_t height;
    };
    const Case cases[] = {{16 * 40, 1, 40}, {16 * 40 - 1, 1, 36}, {16 * 8, 1, 8}, {16 * 4, 1, 4}, {16 * 4 - 1, 0, 0}, {0, 0, 0}};
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "budget " << c.budget);
        gdi::ScopedMemoryBudget budget(c.budget);
        ASSERT_EQ(DecodeJpeg(nullptr, path), c.result);
        if (c.result) {
            EXPECT_EQ(viewState.currentImage->width(), 5);
            EXPECT_EQ(viewState.currentImage->height(), c.height);
            EXPECT_TRUE(Near(jpeg_test::SlotPixel(4, c.height - 1), {30, 20, 10}));
        } else {
            EXPECT_EQ(viewState.currentImage, nullptr);
        }
        EXPECT_EQ(backend.taken, backend.released);
    }
}

size_t FindMarker(const std::vector<uint8_t>& bytes, uint8_t marker) {
    for (size_t i = 0; i + 1 < bytes.size(); ++i)
        if (bytes[i] == 0xFF && bytes[i + 1] == marker) return i;
    return bytes.size();
}

// The file with the frame header's height and width replaced.
std::vector<uint8_t> DeclaringSize(std::vector<uint8_t> bytes, uint16_t width, uint16_t height) {
    size_t sof = FindMarker(bytes, 0xC0);
    if (sof == bytes.size()) sof = FindMarker(bytes, 0xC2);
    bytes.at(sof + 5) = uint8_t(height >> 8), bytes.at(sof + 6) = uint8_t(height);
    bytes.at(sof + 7) = uint8_t(width >> 8), bytes.at(sof + 8) = uint8_t(width);
    return bytes;
}

// The file cut `keep` bytes into the scan data, then `tail` appended.
std::vector<uint8_t> CutIntoScan(std::vector<uint8_t> bytes, size_t keep, std::vector<uint8_t> tail) {
    const size_t sos = FindMarker(bytes, 0xDA);
    const size_t data = sos + 2 + (size_t(bytes.at(sos + 2)) << 8 | bytes.at(sos + 3));
    bytes.resize(std::min(bytes.size(), data + keep));
    bytes.insert(bytes.end(), tail.begin(), tail.end());
    return bytes;
}

TEST_F(JpegDecodeTest, DataEndingEarlyGivesThePictureWithGreyBelow) {
    const Bgr colour{90, 40, 200}, grey{128, 128, 128};
    const std::vector<uint8_t> eoi{0xFF, 0xD9};
    folder.Write("source.jpg", Uniform(64, 256, JCS_RGB, {200, 40, 90}), 75);
    const std::vector<uint8_t> source = jpeg_test::ReadBytes(folder.HostPath("source.jpg"));
    const size_t scanBytes = source.size() - FindMarker(source, 0xDA);

    struct Case {
        const char* name;
        std::vector<uint8_t> bytes;
        uint64_t budget;
        int32_t width, height;
    };
    const Case cases[] = {
        {"cut", CutIntoScan(source, scanBytes / 3, {}), gdi::kDefaultMemoryBudget, 64, 256},
        {"cut, end marker", CutIntoScan(source, scanBytes / 3, eoi), gdi::kDefaultMemoryBudget, 64, 256},
        // A few hundred bytes declaring 30000 x 30000: decoded at 10 %, and
        // without stopping early the library would make up 30000 grey
        // rows of 30000 pixels.
        {"huge, cut", CutIntoScan(DeclaringSize(source, 30000, 30000), 100, {}), 64u << 20, 3000, 3000},
        {"huge, end marker", CutIntoScan(DeclaringSize(source, 30000, 30000), 100, eoi), 64u << 20, 3000, 3000},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const auto path = folder.WriteBytes("cut.jpg", c.bytes);
        gdi::ScopedMemoryBudget budget(c.budget);
        ASSERT_EQ(DecodeJpeg(nullptr, path), 1);
        ASSERT_EQ(viewState.currentImage->width(), c.width);
        ASSERT_EQ(viewState.currentImage->height(), c.height);
        EXPECT_TRUE(Near(jpeg_test::SlotPixel(0, 0), colour));
        EXPECT_EQ(jpeg_test::SlotPixel(c.width - 1, c.height - 1), grey);
        EXPECT_EQ(jpeg_test::SlotPixel(c.width / 2, c.height * 3 / 4), grey);
        EXPECT_EQ(backend.taken, backend.released);
    }
}

// An 8 x 8 baseline file of five components (the compressor makes at most
// four): every block DC 0 and empty, in two scans as a scan holds four.
std::vector<uint8_t> FiveComponentJpeg() {
    std::vector<uint8_t> f{0xFF, 0xD8, 0xFF, 0xDB, 0, 67, 0};
    f.insert(f.end(), 64, 1);
    f.insert(f.end(), {0xFF, 0xC0, 0, 23, 8, 0, 8, 0, 8, 5});
    for (uint8_t c = 1; c <= 5; ++c) f.insert(f.end(), {c, 0x11, 0});
    f.insert(f.end(), {0xFF, 0xC4, 0, 38});
    for (uint8_t table : {0x00, 0x10}) {
        f.insert(f.end(), {table, 1});
        f.insert(f.end(), 15, 0);
        f.push_back(0);  // the one symbol: DC category 0, or end of block
    }
    f.insert(f.end(), {0xFF, 0xDA, 0, 14, 4, 1, 0, 2, 0, 3, 0, 4, 0, 0, 63, 0, 0x00});
    f.insert(f.end(), {0xFF, 0xDA, 0, 8, 1, 5, 0, 0, 63, 0, 0x3F, 0xFF, 0xD9});
    return f;
}

TEST_F(JpegDecodeTest, UnusableFilesFailWithoutAPictureOrAMessage) {
    folder.Write("source.jpg", Uniform(16, 16, JCS_RGB, {1, 2, 3}));
    const std::vector<uint8_t> source = jpeg_test::ReadBytes(folder.HostPath("source.jpg"));
    Samples twoComponents = Uniform(8, 8, JCS_UNKNOWN, {1, 2});
    folder.Write("two.jpg", twoComponents);
    Samples manyScans = Uniform(16, 16, JCS_GRAYSCALE, {99});
    manyScans.scans = Samples::Scans::EveryBit;
    Samples progressive = Uniform(16, 16, JCS_RGB, {1, 2, 3});
    progressive.scans = Samples::Scans::Progressive;
    folder.Write("progressive.jpg", progressive);
    const auto progressiveBytes = jpeg_test::ReadBytes(folder.HostPath("progressive.jpg"));

    struct Case {
        const char* name;
        std::u16string path;
    };
    const Case cases[] = {
        {"missing", jpeg_test::DevicePath("missing.jpg")},
        {"empty", folder.WriteBytes("empty.jpg", {})},
        {"header only", folder.WriteBytes("header.jpg", std::vector<uint8_t>(source.begin(), source.begin() + 20))},
        {"png", folder.WriteBytes("png.jpg", {0x89, 'P', 'N', 'G', 13, 10, 26, 10, 0, 0, 0, 13})},
        {"zero width", folder.WriteBytes("zero.jpg", DeclaringSize(source, 0, 16))},
        {"two components", jpeg_test::DevicePath("two.jpg")},
        // Wider than a bitmap row: must be refused, not overrun the row.
        {"five components", folder.WriteBytes("five.jpg", FiveComponentJpeg())},
        {"folder", jpeg_test::DevicePath("")},
        // Every scan walks all coefficients: 704 of them are refused.
        {"704 scans", folder.Write("scans.jpg", manyScans)},
        // Its coefficients would need gigabytes: the library may not take
        // more than the memory budget has free.
        {"progressive 30000 x 30000", folder.WriteBytes("huge.jpg", DeclaringSize(progressiveBytes, 30000, 30000))},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(DecodeJpeg(nullptr, c.path), 0);
        EXPECT_EQ(viewState.currentImage, nullptr);
        EXPECT_EQ(backend.taken, backend.released);
    }
    EXPECT_EQ(backend.messages, 0);
    // The progressive source itself is fine.
    EXPECT_EQ(DecodeJpeg(nullptr, jpeg_test::DevicePath("progressive.jpg")), 1);
}

TEST_F(JpegDecodeTest, FailureAfterTheBitmapLeavesItWithMatchingFacts) {
    // A large picture first, then one that fails after its rows are placed
    // (a second start-of-image marker where the end should be).
    ASSERT_EQ(DecodeJpeg(nullptr, folder.Write("large.jpg", Uniform(700, 8, JCS_RGB, {0, 0, 0}))), 1);
    ASSERT_EQ(viewState.isLarge, 1);
    viewState.landscapeApplied = 1;
    folder.Write("small.jpg", Uniform(16, 16, JCS_RGB, {200, 40, 90}));
    std::vector<uint8_t> bytes = jpeg_test::ReadBytes(folder.HostPath("small.jpg"));
    bytes.resize(bytes.size() - 2);
    bytes.insert(bytes.end(), {0xFF, 0xD8, 0xFF, 0xD9});

    EXPECT_EQ(DecodeJpeg(nullptr, folder.WriteBytes("bad.jpg", bytes)), 0);
    ASSERT_NE(viewState.currentImage, nullptr);
    EXPECT_EQ(viewState.currentImage->width(), 16);
    EXPECT_EQ(viewState.isLarge, 0);
    EXPECT_EQ(viewState.landscapeApplied, 0);
    EXPECT_EQ(backend.taken, backend.released);
}

TEST_F(JpegDecodeTest, ProbeReadsTheHeaderOrLeavesOutputsAlone) {
    struct Case {
        const char* name;
        Samples samples;
        int32_t colourSpace;
    };
    const Case cases[] = {
        {"ycbcr", Uniform(33, 17, JCS_RGB, {1, 2, 3}), JCS_YCbCr},
        {"grey", Uniform(1, 300, JCS_GRAYSCALE, {9}), JCS_GRAYSCALE},
        {"cmyk", Uniform(8, 8, JCS_CMYK, {1, 2, 3, 4}), JCS_CMYK},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        int32_t width = -7, height = -7, space = -7;
        ASSERT_EQ(ProbeJpeg(folder.Write("probe.jpg", c.samples), width, height, space), 1);
        EXPECT_EQ(width, c.samples.width);
        EXPECT_EQ(height, c.samples.height);
        EXPECT_EQ(space, c.colourSpace);
    }
    // The probe reads no pixels: a file cut inside its scan still answers.
    folder.Write("source.jpg", Uniform(40, 24, JCS_RGB, {1, 2, 3}));
    const auto cut = CutIntoScan(jpeg_test::ReadBytes(folder.HostPath("source.jpg")), 4, {});
    int32_t width = -7, height = -7, space = -7;
    EXPECT_EQ(ProbeJpeg(folder.WriteBytes("cut.jpg", cut), width, height, space), 1);
    EXPECT_EQ(width, 40);

    for (const std::u16string& bad : {jpeg_test::DevicePath("missing.jpg"),
                                      folder.WriteBytes("text.jpg", {'h', 'e', 'l', 'l', 'o'})}) {
        int32_t w = -7, h = -7, s = -7;
        EXPECT_EQ(ProbeJpeg(bad, w, h, s), 0);
        EXPECT_EQ(w, -7);
        EXPECT_EQ(h, -7);
        EXPECT_EQ(s, -7);
    }
    EXPECT_EQ(viewState.currentImage, nullptr);
}

}  // namespace
}  // namespace ezo
