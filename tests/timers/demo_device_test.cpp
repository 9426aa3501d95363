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
#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>

#include "demo/gif_writer.h"
#include "timers/qt_app.h"

namespace {

using demo::Format;
using demo::Picture;
using demo::Rgb;

// Decodes with Qt's readers (JPEG through libjpeg) and says which format
// the bytes were found to be.
Picture Decode(const std::vector<uint8_t>& bytes, std::string* format) {
    testing_support::App();
    QByteArray data(reinterpret_cast<const char*>(bytes.data()), static_cast<qsizetype>(bytes.size()));
    QBuffer buffer(&data);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    *format = reader.format().toStdString();
    QImage image = reader.read();
    Picture picture(image.width(), image.height());
    for (int y = 0; y < picture.height(); ++y) {
        for (int x = 0; x < picture.width(); ++x) {
            QRgb c = image.pixel(x, y);
            picture.set(x, y, {uint8_t(qRed(c)), uint8_t(qGreen(c)), uint8_t(qBlue(c))});
        }
    }
    return picture;
}

int Distance(Rgb a, Rgb b) { return std::max({std::abs(a.r - b.r), std::abs(a.g - b.g), std::abs(a.b - b.b)}); }

std::string Extension(const char8_t* path) {
    std::string name(reinterpret_cast<const char*>(path));
    std::string ext = name.substr(name.rfind('.') + 1);
    std::transform(ext.begin(), ext.end(), ext.begin(), [](unsigned char c) { return std::tolower(c); });
    return ext;
}

bool IsBig(const demo::DemoFile& file) { return static_cast<long>(file.width) * file.height > 1'000'000; }

// Every picture decodes as the format its name says, at its size, and looks
// like what was painted: exactly for 24-bit BMP, within the format's loss
// otherwise. The big one is left to the build, which makes it every time.
TEST(DemoDevice, FilesDecodeAsPainted) {
    const std::map<Format, std::pair<std::string, int>> expect = {
        // format name, largest error of one sample (JPEG: of the average)
        {Format::Jpeg, {"jpeg", 4}}, {Format::Bmp24, {"bmp", 0}}, {Format::Bmp16, {"bmp", 8}}, {Format::Gif, {"gif", 60}}};
    for (const demo::DemoFile& file : demo::DemoFiles()) {
        SCOPED_TRACE(reinterpret_cast<const char*>(file.path));
        const std::string ext = Extension(file.path);
        if (file.format == Format::Text || IsBig(file)) {
            EXPECT_TRUE(ext == "txt" || ext == "jpg");
            continue;
        }
        const auto& [formatName, tolerance] = expect.at(file.format);
        EXPECT_TRUE(ext == formatName || (ext == "jpg" && formatName == "jpeg"));
        Picture painted(0, 0);
        std::string format;
        const Picture decoded = Decode(demo::MakeDemoFile(file, &painted), &format);
        EXPECT_EQ(format, formatName);
        ASSERT_EQ(decoded.width(), file.width);
        ASSERT_EQ(decoded.height(), file.height);
        // JPEG blurs sharp edges, so it is held to a small average error.
        long sum = 0, samples = 0;
        for (int y = 1; y < file.height; y += 5) {
            for (int x = 0; x < file.width; x += 3) {
                int d = Distance(decoded.at(x, y), painted.at(x, y));
                sum += d;
                ++samples;
                if (file.format != Format::Jpeg) {
                    ASSERT_LE(d, tolerance) << "at " << x << "," << y;
                }
            }
        }
        EXPECT_LE(sum / samples, tolerance);
    }
}

// The tree goes where asked, names with spaces and accents included, the
// same bytes every run.
TEST(DemoDevice, WritesTheTree) {
    std::vector<demo::DemoFile> files;
    std::copy_if(demo::DemoFiles().begin(), demo::DemoFiles().end(), std::back_inserter(files),
                 [](const demo::DemoFile& f) { return !IsBig(f); });
    QTemporaryDir dir;
    const std::filesystem::path root = dir.path().toStdString();
    std::string error;
    ASSERT_TRUE(demo::MakeDemoDevice(root, &error, files)) << error;
    for (const demo::DemoFile& file : files) {
        std::ifstream in(root / std::filesystem::path(file.path), std::ios::binary);
        std::vector<uint8_t> written((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        EXPECT_EQ(written, demo::MakeDemoFile(file)) << reinterpret_cast<const char*>(file.path);
    }

    const std::filesystem::path blocker = root / "file";
    std::ofstream(blocker).put('x');
    EXPECT_FALSE(demo::MakeDemoDevice(blocker / "inside", &error, files));
    EXPECT_NE(error.find("cannot write"), std::string::npos);
}

// Pictures made of palette colours come back index for index.
TEST(GifWriter, PaletteIndicesSurviveTheCoder) {
    const struct { const char* name; int width, height; uint8_t (*index)(int x, int y); } cases[] = {
        {"one pixel", 1, 1, [](int, int) -> uint8_t { return 7; }},
        {"one colour: long runs reach 12-bit codes", 300, 200, [](int, int) -> uint8_t { return 0; }},
        {"noise: the table fills and is cleared many times", 257, 173,
         [](int x, int y) -> uint8_t { return static_cast<uint8_t>((x * 2654435761u + y * 40503u) >> 13); }},
        {"every index, greys included", 256, 20, [](int x, int) -> uint8_t { return static_cast<uint8_t>(x); }},
        {"a tall column", 1, 3000, [](int, int y) -> uint8_t { return static_cast<uint8_t>(y / 7 % 256); }},
    };
    const auto& palette = demo::GifPalette();
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Picture picture(c.width, c.height);
        for (int y = 0; y < c.height; ++y)
            for (int x = 0; x < c.width; ++x) picture.set(x, y, palette[c.index(x, y)]);
        std::string format;
        Picture decoded = Decode(demo::EncodeGif(picture), &format);
        ASSERT_EQ(decoded.width(), c.width);
        ASSERT_EQ(decoded.height(), c.height);
        int wrong = 0;
        for (int y = 0; y < c.height; ++y)
            for (int x = 0; x < c.width; ++x) wrong += decoded.at(x, y) != palette[c.index(x, y)];
        EXPECT_EQ(wrong, 0);
    }
}

}  // namespace
