#include "demo/demo_device.h"

#include <fstream>

#include "demo/bmp_writer.h"
#include "demo/gif_writer.h"
#include "demo/jpeg_writer.h"

namespace demo {
namespace {

constexpr char kEmptyFolderNote[] = "This folder holds no pictures.\n";

bool WriteBytes(const std::filesystem::path& path, const std::vector<uint8_t>& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    out.close();
    return static_cast<bool>(out);
}

}  // namespace

const std::vector<DemoFile>& DemoFiles() {
    // Sizes: smaller than the screen, the screen, both orientations of a
    // camera picture, and one far larger than the screen. The bitmaps have
    // odd widths, so their rows need padding.
    static const std::vector<DemoFile> files = {
        {u8"My Documents/Pictures/Sunset.jpg", Format::Jpeg, Scene::Sunset, 640, 480},
        {u8"My Documents/Pictures/Colour wheel.jpg", Format::Jpeg, Scene::ColourWheel, 240, 320},
        {u8"My Documents/Pictures/Checker.jpg", Format::Jpeg, Scene::Checker, 160, 120},
        {u8"My Documents/Pictures/Tall hills.jpg", Format::Jpeg, Scene::Hills, 480, 640},
        {u8"My Documents/Pictures/Mountains.jpg", Format::Jpeg, Scene::Hills, 2400, 1800},
        {u8"My Documents/Pictures/Café au lait.jpg", Format::Jpeg, Scene::Shapes, 320, 240},
        {u8"My Documents/Pictures/Holiday/Night sky.jpg", Format::Jpeg, Scene::Night, 640, 480},
        {u8"My Documents/Pictures/Holiday/Beach ball.JPG", Format::Jpeg, Scene::Checker, 320, 240},
        {u8"My Documents/Pictures/Holiday/Lake.jpeg", Format::Jpeg, Scene::Sunset, 480, 360},
        {u8"My Documents/Pictures/Holiday/Stripes.bmp", Format::Bmp24, Scene::Stripes, 201, 150},
        {u8"My Documents/Pictures/Holiday/Wheel 16.bmp", Format::Bmp16, Scene::ColourWheel, 151, 151},
        {u8"My Documents/Pictures/Holiday/Sunset.gif", Format::Gif, Scene::Sunset, 200, 150},
        {u8"My Documents/Pictures/Empty/Notes.txt", Format::Text, Scene::Shapes, 0, 0},
    };
    return files;
}

std::vector<uint8_t> MakeDemoFile(const DemoFile& file, Picture* painted) {
    if (file.format == Format::Text) return {std::begin(kEmptyFolderNote), std::end(kEmptyFolderNote) - 1};
    Picture picture = Paint(file.scene, file.width, file.height);
    std::vector<uint8_t> bytes;
    switch (file.format) {
    case Format::Jpeg: bytes = EncodeJpeg(picture); break;
    case Format::Bmp24: bytes = EncodeBmp(picture, 24); break;
    case Format::Bmp16: bytes = EncodeBmp(picture, 16); break;
    case Format::Gif: bytes = EncodeGif(picture); break;
    case Format::Text: break;
    }
    if (painted) *painted = std::move(picture);
    return bytes;
}

bool MakeDemoDevice(const std::filesystem::path& root, std::string* error, const std::vector<DemoFile>& files) {
    for (const DemoFile& file : files) {
        std::filesystem::path path = root / std::filesystem::path(file.path);
        std::error_code ec;
        std::filesystem::create_directories(path.parent_path(), ec);
        if (ec) {
            if (error) *error = "cannot write " + path.string() + ": " + ec.message();
            return false;
        }
        std::vector<uint8_t> bytes = MakeDemoFile(file);
        if (bytes.empty() || !WriteBytes(path, bytes)) {
            if (error) *error = "cannot write " + path.string();
            return false;
        }
    }
    return true;
}

}  // namespace demo
