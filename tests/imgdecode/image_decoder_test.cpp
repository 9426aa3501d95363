// The platform image decoder: every shared BMP and GIF file decoded or
// refused as a sound decoder should, pixels in the display's depth, huge and
// hostile headers refused within the memory budget, the store's JPEG files
// read strictly, a cancel, and two threads decoding at once.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <thread>

#include <QBuffer>
#include <QImage>

#include "picture_files.h"
#include "platform/files/device_paths.h"
#include "platform/gdi/memory_budget.h"
#include "platform/imgdecode/image_decoder.h"
#include "support/jpeg_test_support.h"

namespace imgdecode {
namespace {

using imgdecode_test::Bmp24;

gdi::Rgb Pattern(int32_t x, int32_t y) { return {uint8_t(x * 40), uint8_t(y * 90), uint8_t(255 - x * 20)}; }

// The shared test pictures as the device root for a scope; absent() when
// the checkout has no ../shared beside it.
class SharedPictures {
public:
    SharedPictures() : previous_(files::DeviceRoot()) { files::SetDeviceRoot(folder); }
    ~SharedPictures() { files::SetDeviceRoot(previous_); }
    bool absent() const { return !std::filesystem::exists(folder + "/MANIFEST.tsv"); }
    const std::string folder = EZO_TESTDATA;

private:
    std::string previous_;
};

struct ManifestRow {
    std::string file, expected;
    int32_t width = 0, height = 0;
};

std::vector<ManifestRow> BmpAndGifRows(const std::string& folder) {
    std::vector<ManifestRow> rows;
    std::ifstream manifest(folder + "/MANIFEST.tsv");
    std::string line;
    std::getline(manifest, line);  // the column names
    while (std::getline(manifest, line)) {
        std::istringstream fields(line);
        ManifestRow row;
        std::string format, variant, width, height;
        std::getline(fields, row.file, '\t');
        std::getline(fields, format, '\t');
        std::getline(fields, variant, '\t');
        std::getline(fields, row.expected, '\t');
        std::getline(fields, width, '\t');
        std::getline(fields, height, '\t');
        if (format != "bmp" && format != "gif") continue;
        row.width = width == "-" ? 0 : std::stoi(width);
        row.height = height == "-" ? 0 : std::stoi(height);
        rows.push_back(row);
    }
    return rows;
}

TEST(ImageDecoder, SharedBmpAndGifFilesDecodeOrAreRefused) {
    const SharedPictures shared;
    if (shared.absent()) GTEST_SKIP() << "no shared test pictures";
    const std::vector<ManifestRow> rows = BmpAndGifRows(shared.folder);
    ASSERT_GT(rows.size(), 40u);
    gdi::ScopedMemoryBudget budget(64u << 20);
    for (const ManifestRow& row : rows) {
        SCOPED_TRACE(row.file);
        {
            const gdi::BitmapPtr bitmap = DecodeImageFile(jpeg_test::DevicePath(row.file), 16);
            if (row.expected == "reject") {
                EXPECT_FALSE(bitmap);
            } else if (row.expected == "decode") {
                ASSERT_TRUE(bitmap);
            }
            if (bitmap) {
                // A partial picture of an "either" file has the declared size too.
                EXPECT_EQ(bitmap->width(), row.width);
                EXPECT_EQ(bitmap->height(), row.height);
                EXPECT_EQ(bitmap->bitsPerPixel(), 16);
            }
        }
        EXPECT_EQ(gdi::MemoryInUse(), 0u);
    }
}

TEST(ImageDecoder, PixelsComeOutInTheAskedDepthTopRowFirst) {
    jpeg_test::DeviceFolder folder;
    for (const int32_t width : {1, 3, 5, 8}) {
        const auto path = folder.WriteBytes("p.bmp", Bmp24(width, 3, Pattern));
        for (const int32_t depth : {16, 24}) {
            SCOPED_TRACE(testing::Message() << "width " << width << " depth " << depth);
            const gdi::BitmapPtr bitmap = DecodeImageFile(path, depth);
            ASSERT_TRUE(bitmap);
            ASSERT_EQ(bitmap->bitsPerPixel(), depth);
            for (int32_t y = 0; y < 3; ++y) {
                for (int32_t x = 0; x < width; ++x) {
                    gdi::Rgb want = Pattern(x, y);
                    if (depth == 16) want = {uint8_t(want.r & 0xF8), uint8_t(want.g & 0xF8), uint8_t(want.b & 0xF8)};
                    EXPECT_EQ(gdi::ReadPixelAt(bitmap->row(y) + x * depth / 8, depth), want) << x << "," << y;
                }
            }
        }
    }
    EXPECT_FALSE(DecodeImageFile(folder.WriteBytes("p.bmp", Bmp24(2, 2, Pattern)), 8));
}

TEST(ImageDecoder, TransparentGifPixelsComeOutWhite) {
    const SharedPictures shared;
    if (shared.absent()) GTEST_SKIP() << "no shared test pictures";
    const gdi::BitmapPtr bitmap = DecodeImageFile(u"\\gif\\pillow-first-frame-transparency.gif", 24);
    ASSERT_TRUE(bitmap);
    // Left of the frame at x = 25 nothing is drawn.
    EXPECT_EQ(gdi::ReadPixelAt(bitmap->row(10) + 3 * 3, 24), (gdi::Rgb{255, 255, 255}));
}

TEST(ImageDecoder, PicturesPastTheSideLimitOrTheBudgetAreRefusedWithoutTheirMemory) {
    jpeg_test::DeviceFolder folder;
    gdi::ScopedMemoryBudget budget(32u << 20);
    const struct { const char* name; std::vector<uint8_t> bytes; } huge[] = {
        {"huge.bmp", imgdecode_test::BmpHeaderOnly(60000, 60000)},
        {"topdown.bmp", imgdecode_test::BmpHeaderOnly(60000, -60000)},
        {"huge.gif", imgdecode_test::GifHeaderOnly(60000, 60000)},
        {"wide.bmp", Bmp24(kMaxPictureSide + 1, 1, Pattern)},
        {"wide.gif", imgdecode_test::GifHeaderOnly(kMaxPictureSide + 1, 1)},
        // 3000 x 3000 needs 18 MB for the bitmap and 36 MB for Qt's image.
        {"budget.bmp", imgdecode_test::BmpHeaderOnly(3000, 3000)},
        {"budget.gif", imgdecode_test::GifHeaderOnly(3000, 3000)},
    };
    for (const auto& c : huge) {
        SCOPED_TRACE(c.name);
        const auto path = folder.WriteBytes(c.name, c.bytes);
        const uint64_t growth = imgdecode_test::PeakMemoryGrowth([&] { EXPECT_FALSE(DecodeImageFile(path, 16)); });
        EXPECT_LT(growth, 8u << 20);
        EXPECT_EQ(gdi::MemoryInUse(), 0u);
    }
    // At the limit, and within the budget, the same kind of file decodes.
    const gdi::BitmapPtr widest = DecodeImageFile(folder.WriteBytes("w.bmp", Bmp24(kMaxPictureSide, 1, Pattern)), 16);
    ASSERT_TRUE(widest);
    EXPECT_EQ(widest->width(), kMaxPictureSide);
    EXPECT_TRUE(DecodeImageFile(folder.WriteBytes("g.gif", imgdecode_test::GifHeaderOnly(kMaxPictureSide, 1)), 16));
}

// The store's thumbnails: small baseline JPEGs with the library's defaults.
std::vector<uint8_t> ThumbnailJpeg() {
    const jpeg_writer::Format format{.width = 64, .height = 48, .quality = 75};
    return jpeg_writer::Encode(format, [](int y, uint8_t* row) {
        for (int x = 0; x < 64; ++x, row += 3) row[0] = uint8_t(x * 4), row[1] = uint8_t(y * 5), row[2] = 90;
    });
}

TEST(ImageDecoder, JpegFilesCutShortOrDamagedAreRefused) {
    jpeg_test::DeviceFolder folder;
    const std::vector<uint8_t> whole = ThumbnailJpeg();
    const gdi::BitmapPtr intact = DecodeImageFile(folder.WriteBytes("ezo1.ezo", whole), 16);
    ASSERT_TRUE(intact);
    EXPECT_EQ(intact->width(), 64);
    EXPECT_EQ(intact->height(), 48);
    const gdi::Rgb corner = gdi::ReadPixelAt(intact->row(47) + 63 * 2, 16);
    EXPECT_NEAR(corner.r, 252, 16);
    EXPECT_NEAR(corner.g, 235, 16);

    std::vector<std::vector<uint8_t>> damaged;
    for (size_t cut : {size_t(2), whole.size() / 4, whole.size() / 2, whole.size() * 7 / 8, whole.size() - 2,
                       whole.size() - 1})
        damaged.emplace_back(whole.begin(), whole.begin() + ptrdiff_t(cut));
    // An end-of-image marker halfway, a tail never written, tables overwritten.
    const struct { size_t at, count; uint8_t first, rest; } damage[] = {
        {whole.size() / 2, 2, 0xFF, 0xD9}, {whole.size() - 40, 40, 0, 0}, {20, 60, 0xFF, 0xFF}};
    for (const auto& d : damage) {
        std::vector<uint8_t> bytes = whole;
        bytes[d.at] = d.first;
        std::fill_n(bytes.begin() + ptrdiff_t(d.at) + 1, d.count - 1, d.rest);
        damaged.push_back(bytes);
    }
    for (size_t i = 0; i < damaged.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_FALSE(DecodeImageFile(folder.WriteBytes("ezo2.ezo", damaged[i]), 16));
        EXPECT_EQ(gdi::MemoryInUse(), intact->byteSize());
    }
}

TEST(ImageDecoder, ACancelledDecodeGivesNothing) {
    jpeg_test::DeviceFolder folder;
    const std::atomic<bool> cancel{true};
    for (const auto& [name, bytes] : {std::pair{"a.bmp", Bmp24(300, 200, Pattern)},
                                      std::pair{"a.gif", imgdecode_test::GifHeaderOnly(300, 200)},
                                      std::pair{"a.jpg", ThumbnailJpeg()}}) {
        const auto path = folder.WriteBytes(name, bytes);
        EXPECT_TRUE(DecodeImageFile(path, 16)) << name;
        EXPECT_FALSE(DecodeImageFile(path, 16, &cancel)) << name;
    }
}

TEST(ImageDecoder, TwoThreadsDecodeAtOnce) {
    jpeg_test::DeviceFolder folder;
    const std::u16string paths[] = {folder.WriteBytes("a.bmp", Bmp24(200, 150, Pattern)),
                                    folder.WriteBytes("b.jpg", ThumbnailJpeg()),
                                    folder.WriteBytes("c.gif", imgdecode_test::GifHeaderOnly(120, 80))};
    const auto decodeAll = [&paths](int* decoded) {
        for (int round = 0; round < 20; ++round)
            for (const auto& path : paths) *decoded += DecodeImageFile(path, 16) ? 1 : 0;
    };
    int first = 0, second = 0;
    std::thread other(decodeAll, &second);
    decodeAll(&first);
    other.join();
    EXPECT_EQ(first, 60);
    EXPECT_EQ(second, 60);
    EXPECT_EQ(gdi::MemoryInUse(), 0u);
}

TEST(ImageDecoder, MissingFilesAndUnknownFormatsGiveNothing) {
    jpeg_test::DeviceFolder folder;
    EXPECT_FALSE(OpenPictureFile(u"\\missing.bmp").valid());
    EXPECT_FALSE(DecodeImageFile(u"\\missing.bmp", 16));
    // Qt reads PNG, but the device's decoder takes BMP, GIF and JPEG only.
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    ASSERT_TRUE(QImage(4, 4, QImage::Format_RGB32).save(&buffer, "PNG"));
    EXPECT_FALSE(DecodeImageFile(folder.WriteBytes("p.bmp", {png.begin(), png.end()}), 16));
}

}  // namespace
}  // namespace imgdecode
