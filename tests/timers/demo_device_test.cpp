// The demo device's files decode as what their names say, with the sizes
// and pixels that were painted; the GIF coder survives long runs, noise and
// full tables.
#include "demo/demo_device.h"

#include <gtest/gtest.h>

#include <QBuffer>
#include <QImage>
#include <QImageReader>
#include <QTemporaryDir>

#include <algorithm>
#include <csetjmp>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>

#include <jpeglib.h>

#include "demo/bmp_writer.h"
#include "demo/gif_writer.h"
#include "demo/jpeg_writer.h"
#include "timers/qt_app.h"

namespace {

using demo::Format;
using demo::Picture;
using demo::Rgb;

struct JpegErrors {
    jpeg_error_mgr manager;
    std::jmp_buf recovery;
};

[[noreturn]] void JumpBack(j_common_ptr info) { std::longjmp(reinterpret_cast<JpegErrors*>(info->err)->recovery, 1); }

// Decodes into picture (already sized by the caller's guess is not needed:
// it is replaced). No local with a destructor lives across the setjmp.
bool DecodeRows(jpeg_decompress_struct* info, JpegErrors* errors, const std::vector<uint8_t>& bytes,
                Picture* picture) {
    if (setjmp(errors->recovery)) return false;
    jpeg_mem_src(info, bytes.data(), static_cast<unsigned long>(bytes.size()));
    jpeg_read_header(info, TRUE);
    info->out_color_space = JCS_RGB;
    jpeg_start_decompress(info);
    *picture = Picture(static_cast<int>(info->output_width), static_cast<int>(info->output_height));
    if (picture->empty()) return false;
    while (info->output_scanline < info->output_height) {
        JSAMPROW row = const_cast<JSAMPROW>(picture->row(static_cast<int>(info->output_scanline)));
        jpeg_read_scanlines(info, &row, 1);
    }
    jpeg_finish_decompress(info);
    return true;
}

Picture DecodeJpeg(const std::vector<uint8_t>& bytes) {
    jpeg_decompress_struct info{};
    JpegErrors errors{};
    info.err = jpeg_std_error(&errors.manager);
    errors.manager.error_exit = JumpBack;
    jpeg_create_decompress(&info);
    Picture picture(0, 0);
    bool ok = DecodeRows(&info, &errors, bytes, &picture);
    jpeg_destroy_decompress(&info);
    return ok ? picture : Picture(0, 0);
}

QImage DecodeWithQt(const std::vector<uint8_t>& bytes, QByteArray* format) {
    QByteArray data(reinterpret_cast<const char*>(bytes.data()), static_cast<qsizetype>(bytes.size()));
    QBuffer buffer(&data);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    *format = reader.format();
    return reader.read().convertToFormat(QImage::Format_RGB888);
}

Rgb QtPixel(const QImage& image, int x, int y) {
    QRgb c = image.pixel(x, y);
    return {static_cast<uint8_t>(qRed(c)), static_cast<uint8_t>(qGreen(c)), static_cast<uint8_t>(qBlue(c))};
}

int Distance(Rgb a, Rgb b) {
    return std::max({std::abs(a.r - b.r), std::abs(a.g - b.g), std::abs(a.b - b.b)});
}

std::string Extension(const char8_t* path) {
    std::string name(reinterpret_cast<const char*>(path));
    std::string ext = name.substr(name.rfind('.') + 1);
    for (char& c : ext) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return ext;
}

// Every picture file decodes as the format its name says, at its size, and
// looks like what was painted: exact for 24-bit BMP, within the loss of the
// format otherwise. The big one is left to the build, which makes it.
TEST(DemoDevice, FilesDecodeAsPainted) {
    testing_support::App();
        for (const demo::DemoFile& file : demo::DemoFiles()) {
        const std::string ext = Extension(file.path);
        SCOPED_TRACE(reinterpret_cast<const char*>(file.path));
        if (file.format == Format::Text) {
            EXPECT_EQ(ext, "txt");
            continue;
        }
        if (static_cast<long>(file.width) * file.height > 1'000'000) continue;
        Picture painted(0, 0);
        const std::vector<uint8_t> bytes = demo::MakeDemoFile(file, &painted);
        ASSERT_FALSE(bytes.empty());

        int tolerance = 0;
        Picture decoded(0, 0);
        if (file.format == Format::Jpeg) {
            EXPECT_TRUE(ext == "jpg" || ext == "jpeg");
            decoded = DecodeJpeg(bytes);
        } else {
            QByteArray format;
            QImage image = DecodeWithQt(bytes, &format);
            EXPECT_EQ(format.toStdString(), ext);
            EXPECT_EQ(ext, file.format == Format::Gif ? "gif" : "bmp");
            ASSERT_FALSE(image.isNull());
            decoded = Picture(image.width(), image.height());
            for (int y = 0; y < image.height(); ++y)
                for (int x = 0; x < image.width(); ++x) decoded.set(x, y, QtPixel(image, x, y));
            tolerance = file.format == Format::Bmp24 ? 0 : file.format == Format::Bmp16 ? 8 : 60;
        }
        ASSERT_EQ(decoded.width(), file.width);
        ASSERT_EQ(decoded.height(), file.height);
        // A grid of samples keeps the comparison cheap. JPEG blurs sharp
        // edges, so it is held to a small average error instead.
        long sum = 0, samples = 0;
        for (int y = 2; y < file.height - 2; y += 7) {
            for (int x = 2; x < file.width - 2; x += 7) {
                int d = Distance(decoded.at(x, y), painted.at(x, y));
                sum += d;
                ++samples;
                if (file.format != Format::Jpeg) {
                    ASSERT_LE(d, tolerance) << "at " << x << "," << y;
                }
            }
        }
        EXPECT_LE(sum / samples, file.format == Format::Jpeg ? 4 : tolerance);
    }
}

// The tree is written where asked, names with spaces and accents included;
// the big picture is left out to keep this quick.
TEST(DemoDevice, WritesTheTreeTheSameEveryRun) {
    std::vector<demo::DemoFile> files;
    for (const demo::DemoFile& file : demo::DemoFiles())
        if (static_cast<long>(file.width) * file.height <= 1'000'000) files.push_back(file);
    QTemporaryDir dir;
    const std::filesystem::path root = dir.path().toStdString();
    std::string error;
    ASSERT_TRUE(demo::MakeDemoDevice(root, &error, files)) << error;
    const auto cafe = root / std::filesystem::path(u8"My Documents/Pictures/Café au lait.jpg");
    const auto note = root / std::filesystem::path(u8"My Documents/Pictures/Empty/Notes.txt");
    ASSERT_TRUE(std::filesystem::exists(cafe));
    ASSERT_TRUE(std::filesystem::exists(note));
    std::ifstream in(cafe, std::ios::binary);
    std::vector<uint8_t> written((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    for (const demo::DemoFile& file : files) {
        if (std::u8string_view(file.path).ends_with(u8"Café au lait.jpg")) {
            EXPECT_EQ(written, demo::MakeDemoFile(file)) << "the same bytes every run";
        }
    }
}

TEST(DemoDevice, UnwritableRootIsReported) {
    QTemporaryDir dir;
    const std::filesystem::path blocker = dir.filePath("file").toStdString();
    std::FILE* f = std::fopen(blocker.c_str(), "w");
    ASSERT_NE(f, nullptr);
    std::fclose(f);
    std::string error;
    EXPECT_FALSE(demo::MakeDemoDevice(blocker / "inside", &error));
    EXPECT_NE(error.find("cannot write"), std::string::npos);
}

// Pictures made of palette colours come back index for index.
TEST(GifWriter, PaletteIndicesSurviveTheCoder) {
    testing_support::App();
    struct Case {
        const char* name;
        int width, height;
        uint8_t (*index)(int x, int y);
    };
    const Case cases[] = {
        {"one pixel", 1, 1, [](int, int) -> uint8_t { return 7; }},
        {"one colour: long runs reach 12-bit codes", 300, 200, [](int, int) -> uint8_t { return 0; }},
        {"noise: the table fills and is cleared many times", 257, 173,
         [](int x, int y) -> uint8_t { return static_cast<uint8_t>((x * 2654435761u + y * 40503u) >> 13); }},
        {"every index in turn", 256, 20, [](int x, int) -> uint8_t { return static_cast<uint8_t>(x); }},
        {"a tall column", 1, 3000, [](int, int y) -> uint8_t { return static_cast<uint8_t>(y / 7 % 256); }},
    };
    const auto& palette = demo::GifPalette();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Picture picture(c.width, c.height);
        for (int y = 0; y < c.height; ++y)
            for (int x = 0; x < c.width; ++x) picture.set(x, y, palette[c.index(x, y)]);
        QByteArray format;
        QImage image = DecodeWithQt(demo::EncodeGif(picture), &format);
        ASSERT_EQ(image.size(), QSize(c.width, c.height));
        int wrong = 0;
        for (int y = 0; y < c.height; ++y)
            for (int x = 0; x < c.width; ++x) wrong += QtPixel(image, x, y) != palette[c.index(x, y)];
        EXPECT_EQ(wrong, 0);
    }
}

TEST(GifWriter, PaletteHasNoTwinsAndQuantisingKeepsItsColours) {
    const auto& palette = demo::GifPalette();
    Picture picture(256, 1);
    for (int i = 0; i < 256; ++i) {
        for (int j = 0; j < i; ++j) ASSERT_NE(palette[i], palette[j]) << i << " and " << j;
        picture.set(i, 0, palette[i]);
    }
    std::vector<uint8_t> indices = demo::QuantiseToPalette(picture);
    for (int i = 0; i < 256; ++i) EXPECT_EQ(indices[i], i);
}

TEST(Writers, RefuseWhatTheyCannotWrite) {
    const Picture empty(0, 0);
    EXPECT_TRUE(demo::EncodeJpeg(empty).empty());
    EXPECT_TRUE(demo::EncodeBmp(empty, 24).empty());
    EXPECT_TRUE(demo::EncodeGif(empty).empty());
    EXPECT_TRUE(demo::EncodeBmp(Picture(2, 2), 8).empty());
    EXPECT_TRUE(Picture(Picture::kMaxSide + 1, 1).empty());
    EXPECT_TRUE(Picture(1, -5).empty());
}

// Rows are bottom-up and padded to 4 bytes; the header sizes add up.
TEST(BmpWriter, LayoutOfSmallPictures) {
    struct Case {
        int bits, width;
        size_t stride;
    };
    for (Case c : {Case{24, 1, 4}, Case{24, 3, 12}, Case{24, 5, 16}, Case{16, 1, 4}, Case{16, 2, 4}, Case{16, 3, 8}}) {
        SCOPED_TRACE(std::to_string(c.bits) + " bits, width " + std::to_string(c.width));
        Picture picture(c.width, 2);
        picture.set(0, 0, Rgb{255, 0, 0});  // top row
        picture.set(0, 1, Rgb{0, 0, 255});  // bottom row
        std::vector<uint8_t> bytes = demo::EncodeBmp(picture, c.bits);
        ASSERT_EQ(bytes.size(), 54 + 2 * c.stride);
        auto u32 = [&](size_t at) { return bytes[at] | bytes[at + 1] << 8 | bytes[at + 2] << 16 | bytes[at + 3] << 24; };
        EXPECT_EQ(static_cast<size_t>(u32(2)), bytes.size());
        EXPECT_EQ(u32(10), 54);
        EXPECT_EQ(static_cast<size_t>(u32(34)), 2 * c.stride);
        // The first stored row is the bottom one: blue.
        if (c.bits == 24) {
            EXPECT_EQ(bytes[54], 255);
            EXPECT_EQ(bytes[54 + c.stride + 2], 255);
        } else {
            EXPECT_EQ(bytes[54] | bytes[55] << 8, 0x001F);
            EXPECT_EQ(bytes[54 + c.stride] | bytes[55 + c.stride] << 8, 0x7C00);
        }
    }
}

}  // namespace
