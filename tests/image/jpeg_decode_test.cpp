// Decoding JPEG files into the current-image slot: pixel order and colours,
// shrinking when memory is short, data that ends early, failures, the probe.
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
using Bgr = std::array<uint8_t, 3>;

// JPEG is lossy, the fast DCT more so.
bool Near(Bgr a, Bgr b) {
    for (int i = 0; i < 3; ++i)
        if (std::abs(a[i] - b[i]) > 6) return false;
    return true;
}

// Decoding never shows a message itself.
class JpegDecodeTest : public jpeg_test::SlotTest {
protected:
    void TearDown() override {
        EXPECT_EQ(backend.messages, 0);
        SlotTest::TearDown();
    }
};

TEST_F(JpegDecodeTest, PicturesComeOut24BitBottomUpBlueFirst) {
    struct Case {
        J_COLOR_SPACE space;
        std::vector<uint8_t> top, bottom;
        Bgr wantTop, wantBottom;
        std::vector<int32_t> widths;
        int32_t stored;  // the colour space the probe reports
    };
    const Case cases[] = {
        {JCS_RGB, {200, 40, 90}, {60, 220, 30}, {90, 40, 200}, {30, 220, 60}, {1, 2, 3, 4, 5, 7, 8, 13, 16, 33}, JCS_YCbCr},
        {JCS_GRAYSCALE, {150}, {20}, {150, 150, 150}, {20, 20, 20}, {3, 8}, JCS_GRAYSCALE},
        {JCS_CMYK, {255, 0, 128, 255}, {255, 200, 128, 0}, {128, 0, 255}, {0, 0, 0}, {3, 8}, JCS_CMYK},
    };
    for (const Case& c : cases) {
        for (int32_t width : c.widths) {
            SCOPED_TRACE(testing::Message() << c.space << " width " << width);
            const auto path = folder.Write("p.jpg", {width, 16, c.space, c.top, c.bottom});
            int32_t probed[3] = {};
            ASSERT_EQ(ProbeJpeg(path, probed[0], probed[1], probed[2]), 1);
            EXPECT_EQ((std::array{probed[0], probed[1], probed[2]}), (std::array{width, 16, c.stored}));
            ASSERT_EQ(DecodeJpeg(nullptr, path), 1);
            const gdi::Bitmap& image = *viewState.currentImage;
            ASSERT_EQ(image.width(), width);
            ASSERT_EQ(image.height(), 16);
            EXPECT_EQ(image.bitsPerPixel(), 24);
            EXPECT_TRUE(image.bottomUp());
            for (int32_t y = 0; y < 16; ++y) {
                for (int32_t x = 0; x < width; ++x) {
                    const Bgr p = jpeg_test::SlotPixel(x, y);
                    ASSERT_TRUE(Near(p, y < 8 && x < 8 ? c.wantTop : c.wantBottom)) << x << "," << y;
                    ASSERT_TRUE(c.space != JCS_GRAYSCALE || (p[0] == p[1] && p[1] == p[2]));
                }
            }
        }
    }
}

TEST_F(JpegDecodeTest, ShortMemoryDecodesSmallerFromTheNearestRowsAndColumns) {
    // A dark 1000 x 1000 corner in a light 2000 x 1500 picture (9 000 000
    // bytes); the budget only fits 90 % (1800 x 1350, 7 290 000 bytes), where
    // output row or column 900 comes from 1000, the first light one.
    Samples corner{2000, 1500, JCS_GRAYSCALE, {10}, {240}};
    corner.band = 1000;
    const auto path = folder.Write("corner.jpg", corner);
    gdi::ScopedMemoryBudget budget(8'000'000);
    ASSERT_EQ(DecodeJpeg(nullptr, path), 1);
    ASSERT_EQ(viewState.currentImage->width(), 1800);
    ASSERT_EQ(viewState.currentImage->height(), 1350);
    EXPECT_EQ(viewState.isLarge, 1);
    EXPECT_EQ(viewState.fitZoom, ComputeFitZoom(1800, 1350));
    const Bgr dark{10, 10, 10}, light{240, 240, 240};
    for (auto [x, y] : std::array<std::array<int32_t, 2>, 4>{{{899, 899}, {0, 899}, {899, 0}, {0, 0}}})
        EXPECT_TRUE(Near(jpeg_test::SlotPixel(x, y), dark)) << x << "," << y;
    for (auto [x, y] : std::array<std::array<int32_t, 2>, 4>{{{900, 0}, {0, 900}, {1799, 1349}, {950, 950}}})
        EXPECT_TRUE(Near(jpeg_test::SlotPixel(x, y), light)) << x << "," << y;
}

TEST_F(JpegDecodeTest, ShrinkingEndsWithTheLastSizeThatFitsOrFails) {
    // 5 x 40: the width stays 5 (16-byte rows) while the height goes 40, 36, ... 4.
    const auto path = folder.Write("thin.jpg", {5, 40, JCS_RGB, {10, 20, 30}});
    const std::array<std::array<uint64_t, 2>, 5> cases{{{16 * 40, 40}, {16 * 40 - 1, 36}, {16 * 4, 4}, {16 * 4 - 1, 0}, {0, 0}}};
    for (auto [bytes, height] : cases) {
        gdi::ScopedMemoryBudget budget(bytes);
        ASSERT_EQ(DecodeJpeg(nullptr, path), height ? 1 : 0) << bytes;
        if (!height) {
            EXPECT_EQ(viewState.currentImage, nullptr);
            continue;
        }
        EXPECT_EQ(viewState.currentImage->width(), 5);
        EXPECT_EQ(viewState.currentImage->height(), int32_t(height));
        EXPECT_TRUE(Near(jpeg_test::SlotPixel(4, int32_t(height) - 1), {30, 20, 10}));
    }
}

size_t FindMarker(const std::vector<uint8_t>& bytes, uint8_t marker) {
    for (size_t i = 0; i + 1 < bytes.size(); ++i)
        if (bytes[i] == 0xFF && bytes[i + 1] == marker) return i;
    return bytes.size();
}

// The file with the frame header's width and height replaced.
std::vector<uint8_t> DeclaringSize(std::vector<uint8_t> bytes, uint16_t width, uint16_t height) {
    size_t sof = std::min(FindMarker(bytes, 0xC0), FindMarker(bytes, 0xC2));
    bytes.at(sof + 5) = uint8_t(height >> 8), bytes.at(sof + 6) = uint8_t(height);
    bytes.at(sof + 7) = uint8_t(width >> 8), bytes.at(sof + 8) = uint8_t(width);
    return bytes;
}

// The file cut `keep` bytes into the scan data, then `tail` appended.
std::vector<uint8_t> CutIntoScan(std::vector<uint8_t> bytes, size_t keep, std::vector<uint8_t> tail = {}) {
    const size_t sos = FindMarker(bytes, 0xDA);
    bytes.resize(std::min(bytes.size(), sos + 2 + (size_t(bytes.at(sos + 2)) << 8 | bytes.at(sos + 3)) + keep));
    bytes.insert(bytes.end(), tail.begin(), tail.end());
    return bytes;
}

TEST_F(JpegDecodeTest, DataEndingEarlyGivesThePictureWithGreyBelow) {
    const Bgr colour{90, 40, 200}, grey{128, 128, 128};
    const std::vector<uint8_t> eoi{0xFF, 0xD9};
    Samples photo{64, 256, JCS_RGB, {200, 40, 90}};
    photo.quality = 75;
    folder.Write("source.jpg", photo);
    const std::vector<uint8_t> source = folder.ReadBytes("source.jpg");
    const std::vector<uint8_t> huge = DeclaringSize(source, 30000, 30000);
    const struct { std::vector<uint8_t> bytes; uint64_t budget; int32_t size; } cases[] = {
        {CutIntoScan(source, 300), gdi::kDefaultMemoryBudget, 64},
        {CutIntoScan(source, 300, eoi), gdi::kDefaultMemoryBudget, 64},
        // A few hundred bytes declaring 30000 x 30000, decoded at 10 %: the
        // library would make up 30000 grey rows of 30000 pixels.
        {CutIntoScan(huge, 100), 64u << 20, 3000},
        {CutIntoScan(huge, 100, eoi), 64u << 20, 3000},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.bytes.size() << " bytes");
        gdi::ScopedMemoryBudget budget(c.budget);
        ASSERT_EQ(DecodeJpeg(nullptr, folder.WriteBytes("cut.jpg", c.bytes)), 1);
        ASSERT_EQ(viewState.currentImage->width(), c.size);
        EXPECT_TRUE(Near(jpeg_test::SlotPixel(0, 0), colour));
        EXPECT_EQ(jpeg_test::SlotPixel(c.size / 2, viewState.currentImage->height() * 3 / 4), grey);
        EXPECT_EQ(jpeg_test::SlotPixel(c.size - 1, viewState.currentImage->height() - 1), grey);
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
    for (uint8_t table : {0x00, 0x10}) {  // one code: DC category 0, or end of block
        f.insert(f.end(), {table, 1});
        f.insert(f.end(), 16, 0);
    }
    f.insert(f.end(), {0xFF, 0xDA, 0, 14, 4, 1, 0, 2, 0, 3, 0, 4, 0, 0, 63, 0, 0x00});
    f.insert(f.end(), {0xFF, 0xDA, 0, 8, 1, 5, 0, 0, 63, 0, 0x3F, 0xFF, 0xD9});
    return f;
}

TEST_F(JpegDecodeTest, UnusableFilesFailWithoutAPicture) {
    Samples manyScans{16, 16, JCS_GRAYSCALE, {99}};
    manyScans.scans = Samples::Scans::EveryBit;
    Samples progressive{16, 16, JCS_RGB, {1, 2, 3}};
    progressive.scans = Samples::Scans::Progressive;
    ASSERT_EQ(DecodeJpeg(nullptr, folder.Write("progressive.jpg", progressive)), 1);
    const std::vector<uint8_t> source = folder.ReadBytes("progressive.jpg");
    const std::pair<const char*, std::u16string> cases[] = {
        {"missing", jpeg_test::DevicePath("missing.jpg")},
        {"folder", jpeg_test::DevicePath("")},
        {"empty", folder.WriteBytes("empty.jpg", {})},
        {"header only", folder.WriteBytes("header.jpg", std::vector<uint8_t>(source.begin(), source.begin() + 20))},
        {"png", folder.WriteBytes("png.jpg", {0x89, 'P', 'N', 'G', 13, 10, 26, 10, 0, 0, 0, 13})},
        {"zero width", folder.WriteBytes("zero.jpg", DeclaringSize(source, 0, 16))},
        {"two components", folder.Write("two.jpg", {8, 8, JCS_UNKNOWN, {1, 2}})},
        // Wider than a bitmap row: refused, not written past the row.
        {"five components", folder.WriteBytes("five.jpg", FiveComponentJpeg())},
        // Every scan walks all coefficients: 704 of them are refused.
        {"704 scans", folder.Write("scans.jpg", manyScans)},
        // Gigabytes of coefficients: the library may not take more than
        // the memory budget has free.
        {"progressive 30000 x 30000", folder.WriteBytes("huge.jpg", DeclaringSize(source, 30000, 30000))},
    };
    for (const auto& [name, path] : cases) {
        viewState.currentImage.reset();
        EXPECT_EQ(DecodeJpeg(nullptr, path), 0) << name;
        EXPECT_EQ(viewState.currentImage, nullptr) << name;
    }
}

TEST_F(JpegDecodeTest, FailureAfterTheBitmapLeavesItWithMatchingFacts) {
    // A large picture first, then a small one that fails after its rows are
    // placed (a second start-of-image marker where the end should be).
    ASSERT_EQ(DecodeJpeg(nullptr, folder.Write("large.jpg", {700, 8, JCS_RGB, {0, 0, 0}})), 1);
    ASSERT_EQ(viewState.isLarge, 1);
    viewState.landscapeApplied = 1;
    folder.Write("small.jpg", {16, 16, JCS_RGB, {200, 40, 90}});
    std::vector<uint8_t> bytes = folder.ReadBytes("small.jpg");
    bytes.resize(bytes.size() - 2);
    bytes.insert(bytes.end(), {0xFF, 0xD8, 0xFF, 0xD9});
    EXPECT_EQ(DecodeJpeg(nullptr, folder.WriteBytes("bad.jpg", bytes)), 0);
    ASSERT_NE(viewState.currentImage, nullptr);
    EXPECT_EQ(viewState.currentImage->width(), 16);
    EXPECT_EQ(viewState.isLarge, 0);
    EXPECT_EQ(viewState.landscapeApplied, 0);
}

}  // namespace
}  // namespace ezo
