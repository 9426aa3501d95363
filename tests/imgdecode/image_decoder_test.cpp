// The platform image decoder on the shared files and on BMP and GIF files made
// byte by byte; and BMP and GIF in the viewer's current-image slot.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <sstream>
#include <thread>

#include "image/decoded_image.h"
#include "platform/files/device_paths.h"
#include "platform/gdi/memory_budget.h"
#include "platform/imgdecode/image_decoder.h"
#include "shell/image_kind.h"
#include "shell/program.h"
#include "support/jpeg_test_support.h"

namespace ezo {
namespace {

using namespace imgdecode;

void Put(std::vector<uint8_t>& out, uint32_t v, int bytes) {
    for (int i = 0; i < bytes; ++i) out.push_back(uint8_t(v >> (8 * i)));
}

// A 24-bit BMP of width x height, pixel(x, y) with y from the top; without
// pixel only the headers and one row of grey follow.
std::vector<uint8_t> Bmp24(int32_t width, int32_t height,
                           const std::function<gdi::Rgb(int32_t, int32_t)>& pixel = {}) {
    const uint32_t stride = uint32_t(gdi::DibStride(width, 24));
    std::vector<uint8_t> out{'B', 'M'};
    for (const uint32_t v : {54u, 0u, 54u, 40u, uint32_t(width), uint32_t(height)}) Put(out, v, 4);
    Put(out, 1 | 24 << 16, 4);  // one plane, 24 bits
    out.resize(54, 0);
    if (!pixel) out.resize(54 + std::min(stride, 16384u), 0x80);
    for (int32_t y = height - 1; pixel && y >= 0; --y) {
        for (int32_t x = 0; x < width; ++x) out.insert(out.end(), {pixel(x, y).b, pixel(x, y).g, pixel(x, y).r});
        out.resize(out.size() + stride - size_t(width) * 3, 0);
    }
    return out;
}

// A two-colour GIF whose screen and frame are width x height, little data.
std::vector<uint8_t> Gif(uint16_t width, uint16_t height) {
    std::vector<uint8_t> out{'G', 'I', 'F', '8', '9', 'a'};
    Put(out, width | uint32_t(height) << 16, 4);
    out.insert(out.end(), {0x80, 0, 0, 0, 0, 0, 255, 255, 255, 0x2C, 0, 0, 0, 0});
    Put(out, width | uint32_t(height) << 16, 4);
    out.insert(out.end(), {0, 2, 2, 0x4C, 0x01, 0, 0x3B});
    return out;
}

uint64_t StatusBytes(const std::string& field) {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line) && line.rfind(field, 0) != 0) {}
    return line.empty() ? 0 : std::stoull(line.substr(field.size())) * 1024;
}

// How far the resident memory rose above its level before while fn ran.
uint64_t PeakMemoryGrowth(const std::function<void()>& fn) {
    std::ofstream("/proc/self/clear_refs") << "5";  // the peak starts again from now
    const uint64_t before = StatusBytes("VmRSS:");
    fn();
    const uint64_t peak = StatusBytes("VmHWM:");
    return peak > before ? peak - before : 0;
}

gdi::Rgb Pattern(int32_t x, int32_t y) { return {uint8_t(x * 40), uint8_t(y * 90), uint8_t(255 - x * 20)}; }

TEST(ImageDecoder, SharedBmpAndGifFilesDecodeOrAreRefused) {
    const std::string folder = EZO_TESTDATA;
    std::ifstream manifest(folder + "/MANIFEST.tsv");
    if (!manifest) GTEST_SKIP() << "no shared test pictures";
    const std::string previousRoot = files::DeviceRoot();
    files::SetDeviceRoot(folder);
    gdi::ScopedMemoryBudget budget(64u << 20);
    int rows = 0;
    for (std::string line; std::getline(manifest, line);) {
        std::istringstream in(line);
        std::string file, format, variant, expected, width, height;
        for (std::string* field : {&file, &format, &variant, &expected, &width, &height}) std::getline(in, *field, '\t');
        if (format != "bmp" && format != "gif") continue;
        SCOPED_TRACE(file);
        ++rows;
        gdi::BitmapPtr bitmap = DecodeImageFile(jpeg_test::DevicePath(file), 16);
        EXPECT_TRUE(expected == "reject" ? !bitmap : expected == "either" || bitmap);
        // A partial picture of an "either" file has the declared size too.
        if (bitmap) { EXPECT_EQ(std::to_string(bitmap->width()) + "x" + std::to_string(bitmap->height()), width + "x" + height); }
        bitmap.reset();
        EXPECT_EQ(gdi::MemoryInUse(), 0u);
    }
    files::SetDeviceRoot(previousRoot);
    EXPECT_EQ(rows, 42);
}

TEST(ImageDecoder, PixelsComeOutInTheAskedDepthTopRowFirst) {
    jpeg_test::DeviceFolder folder;
    for (const int32_t width : {1, 3, 5, 8}) {
        const auto path = folder.WriteBytes("p.bmp", Bmp24(width, 3, Pattern));
        for (const int32_t depth : {16, 24}) {
            const gdi::BitmapPtr bitmap = DecodeImageFile(path, depth);
            ASSERT_TRUE(bitmap);
            ASSERT_EQ(bitmap->bitsPerPixel(), depth);
            const uint8_t keep = depth == 16 ? 0xF8 : 0xFF;
            for (int32_t y = 0; y < 3; ++y)
                for (int32_t x = 0; x < width; ++x) {
                    const gdi::Rgb p = Pattern(x, y), want{uint8_t(p.r & keep), uint8_t(p.g & keep), uint8_t(p.b & keep)};
                    EXPECT_EQ(gdi::ReadPixelAt(bitmap->row(y) + x * depth / 8, depth), want) << x << "," << y << " " << depth;
                }
        }
    }
}

TEST(ImageDecoder, PicturesPastTheSideLimitOrTheBudgetAreRefusedWithoutTheirMemory) {
    jpeg_test::DeviceFolder folder;
    gdi::ScopedMemoryBudget budget(32u << 20);
    // 3000 x 3000 needs 18 MB for the bitmap and 36 MB for Qt's work image;
    // cut.bmp ends after one of its rows (Qt would leave the rest unset).
    const struct { const char* name; std::vector<uint8_t> bytes; } refused[] = {
        {"cut.bmp", Bmp24(64, 64)},
        {"huge.bmp", Bmp24(60000, 60000)}, {"topdown.bmp", Bmp24(60000, -60000)}, {"huge.gif", Gif(60000, 60000)},
        {"wide.bmp", Bmp24(kMaxPictureSide + 1, 1, Pattern)}, {"wide.gif", Gif(kMaxPictureSide + 1, 1)},
        {"budget.bmp", Bmp24(3000, 3000)}, {"budget.gif", Gif(3000, 3000)}};
    for (const auto& c : refused) {
        const auto path = folder.WriteBytes(c.name, c.bytes);
        EXPECT_LT(PeakMemoryGrowth([&] { EXPECT_FALSE(DecodeImageFile(path, 16)) << c.name; }), 8u << 20);
        EXPECT_EQ(gdi::MemoryInUse(), 0u);
    }
    EXPECT_TRUE(DecodeImageFile(folder.WriteBytes("w.bmp", Bmp24(kMaxPictureSide, 1, Pattern)), 16));
    EXPECT_TRUE(DecodeImageFile(folder.WriteBytes("g.gif", Gif(kMaxPictureSide, 1)), 16));
}

// As the thumbnail store writes them: the library's defaults.
std::vector<uint8_t> ThumbnailJpeg() {
    return jpeg_writer::Encode({.width = 64, .height = 48, .quality = 75}, [](int y, uint8_t* row) {
        for (int x = 0; x < 64; ++x, row += 3) row[0] = uint8_t(x * 4), row[1] = uint8_t(y * 5), row[2] = 90;
    });
}

TEST(ImageDecoder, JpegFilesCutShortOrDamagedAreRefused) {
    jpeg_test::DeviceFolder folder;
    const std::vector<uint8_t> whole = ThumbnailJpeg();
    const gdi::BitmapPtr intact = DecodeImageFile(folder.WriteBytes("ezo1.ezo", whole), 16);
    ASSERT_TRUE(intact);
    const gdi::Rgb corner = gdi::ReadPixelAt(intact->row(47) + 63 * 2, 16);
    EXPECT_EQ((std::array{intact->width(), intact->height(), corner.r / 16, corner.g / 16}), (std::array{64, 48, 15, 14}));
    // Cut at several places; an end-of-image marker halfway, a tail never
    // written, tables overwritten.
    std::vector<std::vector<uint8_t>> damaged;
    for (const size_t cut : {size_t(2), whole.size() / 2, whole.size() - 2, whole.size() - 1})
        damaged.emplace_back(whole.begin(), whole.begin() + ptrdiff_t(cut));
    for (const auto& [at, bytes] : {std::pair{whole.size() / 2, std::vector<uint8_t>{0xFF, 0xD9}},
                                    std::pair{whole.size() - 40, std::vector<uint8_t>(40, 0)},
                                    std::pair{size_t(20), std::vector<uint8_t>(60, 0xFF)}}) {
        damaged.push_back(whole);
        std::copy(bytes.begin(), bytes.end(), damaged.back().begin() + ptrdiff_t(at));
    }
    for (size_t i = 0; i < damaged.size(); ++i) {
        EXPECT_FALSE(DecodeImageFile(folder.WriteBytes("ezo2.ezo", damaged[i]), 16)) << i;
        EXPECT_EQ(gdi::MemoryInUse(), intact->byteSize());
    }
}

TEST(ImageDecoder, TwoThreadsDecodeAtOnceAndACancelGivesNothing) {
    jpeg_test::DeviceFolder folder;
    const std::u16string paths[] = {folder.WriteBytes("a.bmp", Bmp24(200, 150, Pattern)),
                                    folder.WriteBytes("b.jpg", ThumbnailJpeg()), folder.WriteBytes("c.gif", Gif(120, 80))};
    const std::atomic<bool> cancel{true};
    for (const auto& path : paths) EXPECT_FALSE(DecodeImageFile(path, 16, &cancel));
    const auto decodeAll = [&paths](int* decoded) {
        for (int round = 0; round < 20; ++round)
            for (const auto& path : paths) *decoded += DecodeImageFile(path, 16) ? 1 : 0;
    };
    int first = 0, second = 0;
    std::thread other(decodeAll, &second);
    decodeAll(&first);
    other.join();
    EXPECT_EQ(first + second, 120);
    EXPECT_EQ(gdi::MemoryInUse(), 0u);
}

class PlatformLoad : public ::testing::Test {
protected:
    std::u16string WriteBmp(const std::string& name, int32_t width, int32_t height) {
        return folder.WriteBytes(name, Bmp24(width, height, [](int32_t, int32_t) { return gdi::Rgb{}; }));
    }
    int Load(const std::u16string& path, uint32_t kind = Bmp) { return LoadImageFile(&window, path, kind); }

    jpeg_test::DeviceFolder folder;
    ProgramWindow window;
    Program& program = window.program;
    ViewState& v = program.viewState;
};

TEST_F(PlatformLoad, LoadRecordsTheBmpGifLargeFacts) {
    const struct { int32_t width, height; int large; } cases[] = {{660, 857, 0}, {661, 100, 1}, {660, 858, 1}};
    for (const auto& c : cases) {
        v.fitZoom = 7.0f;
        v.landscapeApplied = 1;
        const auto path = WriteBmp("p.bmp", c.width, c.height);
        ASSERT_EQ(Load(path), 1);
        EXPECT_EQ(v.currentImage->bitsPerPixel(), 16);
        EXPECT_EQ(v.isLarge, c.large) << c.width << "x" << c.height;
        EXPECT_EQ(v.fitZoom, c.large ? ComputeFitZoom(c.width, c.height) : 7.0f);
        EXPECT_EQ((std::array{v.landscapeApplied, v.imageLoaded}), (std::array{0, 1}));
        EXPECT_EQ(program.fileList.scanPath, path);
    }
}

TEST_F(PlatformLoad, AMissingFileKeepsThePictureAFailedDecodeLeavesNoneAProbeTouchesNothing) {
    const auto first = WriteBmp("a.bmp", 20, 10);
    ASSERT_EQ(Load(first), 1);
    const gdi::Bitmap* shown = v.currentImage.get();
    const uint64_t inUse = gdi::MemoryInUse();
    int32_t width = 0, height = 0, bits = 0;
    ASSERT_EQ(ProbeImageFile(&window, WriteBmp("b.bmp", 33, 17), Bmp, width, height, bits), 1);
    EXPECT_EQ((std::array{width, height, bits}), (std::array{33, 17, 16}));
    EXPECT_EQ(ProbeImageFile(&window, u"\\missing.bmp", Bmp, width, height, bits), 0);
    EXPECT_EQ(width, 33);  // left alone
    EXPECT_EQ(gdi::MemoryInUse(), inUse);

    EXPECT_EQ(Load(u"\\missing.gif", ImageKind::Gif), 0);
    EXPECT_EQ(v.currentImage.get(), shown);
    EXPECT_EQ(Load(folder.WriteBytes("b.gif", {'G', 'I', 'F', '8', '9', 'a', 1, 0}), ImageKind::Gif), 0);
    EXPECT_FALSE(v.currentImage);
    // What the viewer knew of the last picture stays until another loads.
    EXPECT_EQ(program.fileList.scanPath, first);
    EXPECT_EQ(v.imageLoaded, 1);
}

}  // namespace
}  // namespace ezo
