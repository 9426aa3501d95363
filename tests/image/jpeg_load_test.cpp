// Loading JPEG files into a program's current-image slot.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <sstream>

#include "draw_test_support.h"
#include "image/decoded_image.h"
#include "image/jpeg_decoder.h"
#include "platform/files/device_paths.h"
#include "platform/gdi/memory_budget.h"
#include "shell/program.h"
#include "support/jpeg_test_support.h"

namespace ezo {
namespace {

using jpeg_test::Samples;
using Bgr = std::array<uint8_t, 3>;
using Size3 = std::array<int32_t, 3>;

// JPEG is lossy, the fast DCT more so.
bool Near(Bgr a, Bgr b) {
    for (int i = 0; i < 3; ++i)
        if (std::abs(a[i] - b[i]) > 6) return false;
    return true;
}

TEST(LoadImage, LargeBoundsAndFitZoom) {
    // The platform decoder's bounds are checked on its loads.
    const struct { int32_t width, height; bool large; } cases[] = {{660, 850, false}, {661, 850, true}, {660, 851, true}};
    for (const auto& c : cases) EXPECT_EQ(IsLargeImage(LargeBounds::Jpeg, c.width, c.height), c.large) << c.width << "x" << c.height;
    EXPECT_EQ(ComputeFitZoom(1000, 500), 0.22f);
    EXPECT_EQ(ComputeFitZoom(500, 1000), 0.28f);
    EXPECT_EQ(ComputeFitZoom(2200, 2800), 0.1f);  // the box's own shape: the height decides
    EXPECT_EQ(ComputeFitZoom(661, 850), float(280.0 / 850));
}

const uint8_t kStartOfScan[] = {0xFF, 0xDA};

// A fresh program on a main window of its own and a device folder for each
// test. Loading never shows a message itself and gives back every device
// context it borrows.
class JpegLoad : public ::testing::Test {
protected:
    void TearDown() override {
        EXPECT_TRUE(backend.messages.empty());
        EXPECT_EQ(backend.contextsOut, 0);
    }
    int Load(const std::u16string& path, uint32_t kind = Jpg) { return LoadImageFile(&window, path, kind); }
    const gdi::Bitmap& Image() const { return *program.viewState.currentImage; }
    // Blue, green, red of (x, y), y counted from the top.
    Bgr Pixel(int32_t x, int32_t y) const {
        const uint8_t* p = Image().row(y) + size_t(x) * 3;
        return {p[0], p[1], p[2]};
    }

    jpeg_test::DeviceFolder folder;
    draw_test::RecordingBackend backend{false};
    ProgramWindow window;
    Program& program = window.program;
    ViewState& v = program.viewState;
};

TEST_F(JpegLoad, PicturesComeOut24BitBottomUpBlueFirst) {
    // stored: the colour space the probe reports.
    const struct { J_COLOR_SPACE space; std::vector<uint8_t> top, bottom; Bgr wantTop, wantBottom; std::vector<int32_t> widths; int32_t stored; } cases[] = {
        {JCS_RGB, {200, 40, 90}, {60, 220, 30}, {90, 40, 200}, {30, 220, 60}, {1, 2, 3, 4, 5, 7, 8, 13, 16, 33}, JCS_YCbCr},
        {JCS_GRAYSCALE, {150}, {20}, {150, 150, 150}, {20, 20, 20}, {3, 8}, JCS_GRAYSCALE},
        {JCS_CMYK, {255, 0, 128, 255}, {255, 200, 128, 0}, {128, 0, 255}, {0, 0, 0}, {3, 8}, JCS_CMYK},
    };
    for (const auto& c : cases) {
        for (int32_t width : c.widths) {
            SCOPED_TRACE(testing::Message() << c.space << " width " << width);
            const auto path = folder.Write("p.jpg", {width, 16, c.space, c.top, c.bottom});
            Size3 probed{};
            ASSERT_EQ(ProbeImageFile(&window, path, Jpeg, probed[0], probed[1], probed[2]), 1);
            EXPECT_EQ(probed, (Size3{width, 16, c.stored}));
            ASSERT_EQ(Load(path), 1);
            ASSERT_EQ((Size3{Image().width(), Image().height(), Image().bitsPerPixel()}), (Size3{width, 16, 24}));
            EXPECT_TRUE(Image().bottomUp());
            for (int32_t y = 0; y < 16; ++y)
                for (int32_t x = 0; x < width; ++x) {
                    const Bgr p = Pixel(x, y);
                    ASSERT_TRUE(Near(p, y < 8 && x < 8 ? c.wantTop : c.wantBottom)) << x << "," << y;
                    ASSERT_TRUE(c.space != JCS_GRAYSCALE || (p[0] == p[1] && p[1] == p[2]));
                }
        }
    }
}

// A load that fails after its bitmap is made (a second start-of-image
// marker where the end should be) leaves that bitmap with matching facts.
TEST_F(JpegLoad, LoadsRecordPathAndFactsAndHoldOnePicture) {
    const struct { const char* name; int32_t width, height; uint32_t kind; int large; float fitZoom; } cases[] = {
        {"wide.jpg", 661, 8, Jpg, 1, ComputeFitZoom(661, 8)},
        {"small.jpeg", 8, 8, Jpeg, 0, ComputeFitZoom(661, 8)},  // a small picture keeps the fit zoom before
        {"tall.jpg", 8, 851, Jpg, 1, ComputeFitZoom(8, 851)},
    };
    for (const auto& c : cases) {
        v.landscapeApplied = 1;
        v.imageLoaded = 0;
        const auto path = folder.Write(c.name, {c.width, c.height, JCS_RGB, {5, 5, 5}});
        ASSERT_EQ(Load(path, c.kind), 1) << c.name;
        EXPECT_EQ(program.fileList.scanPath, path);
        EXPECT_EQ((Size3{v.imageLoaded, v.landscapeApplied, v.isLarge}), (Size3{1, 0, c.large})) << c.name;
        EXPECT_EQ(v.fitZoom, c.fitZoom) << c.name;
    }
    v.landscapeApplied = 1;
    std::vector<uint8_t> bytes = folder.ReadBytes("small.jpeg");
    bytes.resize(bytes.size() - 2);
    bytes.insert(bytes.end(), {0xFF, 0xD8, 0xFF, 0xD9});
    EXPECT_EQ(Load(folder.WriteBytes("bad.jpg", bytes)), 0);
    ASSERT_NE(v.currentImage, nullptr);
    EXPECT_EQ((Size3{Image().width(), v.isLarge, v.landscapeApplied}), (Size3{8, 0, 0}));
    EXPECT_EQ(program.fileList.scanPath, jpeg_test::DevicePath("tall.jpg"));

    // Room for one 400 x 300 picture (360 000 bytes), not two: were the
    // first still held, the second would come out shrunk.
    v.currentImage.reset();
    gdi::ScopedMemoryBudget budget(500'000);
    ASSERT_EQ(Load(folder.Write("first.jpg", {400, 300, JCS_RGB, {1, 2, 3}})), 1);
    ASSERT_EQ(Load(folder.Write("second.jpg", {400, 300, JCS_RGB, {4, 5, 6}})), 1);
    EXPECT_EQ(Image().width(), 400);
    EXPECT_EQ(gdi::MemoryInUse(), Image().byteSize());
}

TEST_F(JpegLoad, ShortMemoryDecodesSmallerFromTheNearestRowsAndColumns) {
    // A dark 1000 x 1000 corner in a light 2000 x 1500 picture (9 000 000
    // bytes); the budget only fits 90 % (1800 x 1350, 7 290 000 bytes), where
    // output row or column 900 comes from 1000, the first light one.
    Samples corner{2000, 1500, JCS_GRAYSCALE, {10}, {240}};
    corner.band = 1000;
    const auto path = folder.Write("corner.jpg", corner);
    gdi::ScopedMemoryBudget budget(8'000'000);
    ASSERT_EQ(Load(path), 1);
    ASSERT_EQ((Size3{Image().width(), Image().height(), v.isLarge}), (Size3{1800, 1350, 1}));
    EXPECT_EQ(v.fitZoom, ComputeFitZoom(1800, 1350));
    for (auto [x, y] : std::array<std::array<int32_t, 2>, 4>{{{899, 899}, {0, 899}, {899, 0}, {0, 0}}})
        EXPECT_TRUE(Near(Pixel(x, y), {10, 10, 10})) << x << "," << y;
    for (auto [x, y] : std::array<std::array<int32_t, 2>, 4>{{{900, 0}, {0, 900}, {1799, 1349}, {950, 950}}})
        EXPECT_TRUE(Near(Pixel(x, y), {240, 240, 240})) << x << "," << y;

    // 5 x 40: the width stays 5 (16-byte rows) while the height goes 40, 36, ... 4.
    const auto thin = folder.Write("thin.jpg", {5, 40, JCS_RGB, {10, 20, 30}});
    const std::array<std::array<uint64_t, 2>, 5> shrinks{{{16 * 40, 40}, {16 * 40 - 1, 36}, {16 * 4, 4}, {16 * 4 - 1, 0}, {0, 0}}};
    for (auto [bytes, height] : shrinks) {
        gdi::ScopedMemoryBudget tight(bytes);
        ASSERT_EQ(Load(thin), height ? 1 : 0) << bytes;
        if (!height) {
            EXPECT_EQ(v.currentImage, nullptr);
            continue;
        }
        EXPECT_EQ(std::pair(Image().width(), Image().height()), std::pair(5, int32_t(height)));
        EXPECT_TRUE(Near(Pixel(4, int32_t(height) - 1), {30, 20, 10}));
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

TEST_F(JpegLoad, DataEndingEarlyGivesThePictureWithGreyBelow) {
    const Bgr grey{128, 128, 128};
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
        ASSERT_EQ(Load(folder.WriteBytes("cut.jpg", c.bytes)), 1);
        ASSERT_EQ(Image().width(), c.size);
        EXPECT_TRUE(Near(Pixel(0, 0), {90, 40, 200}));
        EXPECT_EQ(Pixel(c.size / 2, Image().height() * 3 / 4), grey);
        EXPECT_EQ(Pixel(c.size - 1, Image().height() - 1), grey);
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

// A failed load takes the old picture with it but keeps its path and flag;
// a failed probe writes nothing.
TEST_F(JpegLoad, UnusableFilesFailWithoutAPicture) {
    Samples manyScans{16, 16, JCS_GRAYSCALE, {99}};
    manyScans.scans = Samples::Scans::EveryBit;
    Samples progressive{16, 16, JCS_RGB, {1, 2, 3}};
    progressive.scans = Samples::Scans::Progressive;
    const auto good = folder.Write("progressive.jpg", progressive);
    ASSERT_EQ(Load(good), 1);
    // BMP and GIF names go to the platform decoder, whatever the bytes.
    for (uint32_t kind : {uint32_t(Bmp), uint32_t(Gif)}) {
        EXPECT_EQ(Load(good, kind), 1);
        EXPECT_EQ(Image().bitsPerPixel(), 16);
    }
    const std::vector<uint8_t> source = folder.ReadBytes("progressive.jpg");
    const struct { const char* name; std::u16string path; bool probes; } cases[] = {
        {"missing", jpeg_test::DevicePath("missing.jpg"), false},
        {"folder", jpeg_test::DevicePath(""), false},
        {"header only", folder.WriteBytes("header.jpg", std::vector<uint8_t>(source.begin(), source.begin() + 20)), false},
        {"no image", folder.WriteBytes("bad.jpg", {0xFF, 0xD8, 0xFF, 0xD9}), false},
        {"zero width", folder.WriteBytes("zero.jpg", DeclaringSize(source, 0, 16)), false},
        {"two components", folder.Write("two.jpg", {8, 8, JCS_UNKNOWN, {1, 2}}), true},
        // Wider than a bitmap row: refused, not written past the row.
        {"five components", folder.WriteBytes("five.jpg", FiveComponentJpeg()), true},
        // Every scan walks all coefficients: 704 of them are refused.
        {"704 scans", folder.Write("scans.jpg", manyScans), true},
        // Gigabytes of coefficients: the library may not take more than
        // the memory budget has free.
        {"progressive 30000 x 30000", folder.WriteBytes("huge.jpg", DeclaringSize(source, 30000, 30000)), true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(Load(c.path), 0);
        EXPECT_EQ(v.currentImage, nullptr);
        EXPECT_EQ(program.fileList.scanPath, good);
        EXPECT_EQ(v.imageLoaded, 1);
        Size3 probed{-1, -1, -1};
        EXPECT_EQ(ProbeImageFile(&window, c.path, Jpg, probed[0], probed[1], probed[2]), c.probes ? 1 : 0);
        if (!c.probes) { EXPECT_EQ(probed, (Size3{-1, -1, -1})); }
    }
}

// A progressive file that ends after the brightness's first scan: the
// colour's scans never come, and a reduced decode ends all the same.
TEST_F(JpegLoad, AReducedDecodeEndsWhenScansAreMissing) {
    Samples progressive{400, 400, JCS_RGB, {1, 2, 3}};
    progressive.scans = Samples::Scans::Progressive;
    folder.Write("whole.jpg", progressive);
    std::vector<uint8_t> bytes = folder.ReadBytes("whole.jpg");
    const auto scan = std::search(bytes.begin(), bytes.end(), std::begin(kStartOfScan), std::end(kStartOfScan));
    ASSERT_NE(scan, bytes.end());
    // The first scan's header rewritten for the first component alone (its
    // DC coefficients), with no data, and the end of the image.
    const size_t n = scan[4];
    const std::vector<uint8_t> lumaOnly{0xFF, 0xDA, 0, 8, 1, scan[5], scan[6], scan[5 + 2 * n], scan[6 + 2 * n],
                                        scan[7 + 2 * n], 0xFF, 0xD9};
    bytes.erase(scan, bytes.end());
    bytes.insert(bytes.end(), lumaOnly.begin(), lumaOnly.end());
    ReducedJpegDecode decode(folder.WriteBytes("cut.jpg", bytes), nullptr);
    ASSERT_TRUE(decode.opened());
    gdi::BitmapPtr reduced;
    decode.Decode({50, 50}, reduced);  // grey or refused: either way it returns
}

// Every JPEG of the shared test pictures against its manifest row: decode
// rows load at their size, reject rows fail, either rows may do either.
TEST_F(JpegLoad, EverySharedTestJpegIsLoadedOrRefusedAsListed) {
    const std::string pictures = EZO_TESTDATA;
    std::ifstream manifest(pictures + "/MANIFEST.tsv");
    if (!manifest) GTEST_SKIP() << "no test pictures";
    files::SetDeviceRoot(pictures);  // the folder fixture puts its own root back
    int rows = 0;
    for (std::string line; std::getline(manifest, line);) {
        std::vector<std::string> cell;
        std::istringstream fields(line);
        for (std::string c; std::getline(fields, c, '\t');) cell.push_back(c);
        if (cell.size() < 6 || cell[1] != "jpeg") continue;
        SCOPED_TRACE(cell[0]);
        ++rows;
        const std::u16string path = jpeg_test::DevicePath(cell[0]);
        const int loaded = Load(path);
        if (cell[3] == "reject") { EXPECT_EQ(loaded, 0); }
        if (cell[3] != "decode") continue;
        ASSERT_EQ(loaded, 1);
        EXPECT_EQ((Size3{Image().width(), Image().height(), Image().bitsPerPixel()}),
                  (Size3{std::stoi(cell[4]), std::stoi(cell[5]), 24}));
        EXPECT_TRUE(Image().bottomUp());
        Size3 probed{};
        EXPECT_EQ(ProbeImageFile(&window, path, Jpg, probed[0], probed[1], probed[2]), 1);
        EXPECT_EQ(std::pair(probed[0], probed[1]), std::pair(Image().width(), Image().height()));
    }
    EXPECT_GE(rows, 30);
}

}  // namespace
}  // namespace ezo
