#pragma once
// JPEG test pictures: small files made with the shared JPEG writer in a
// temporary folder that is the device root.
#include <algorithm>
#include <cstdint>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "files/temp_folder.h"
#include "jpeg_writer/jpeg_writer.h"
#include "platform/files/device_paths.h"
#include "platform/files/utf.h"

namespace jpeg_test {

// A picture to encode: the top-left band x band square `top`, the rest
// `bottom`, each pixel in `space` (JCS_RGB, JCS_GRAYSCALE, JCS_CMYK, JCS_UNKNOWN).
struct Samples {
    using Scans = jpeg_writer::Format::Scans;
    Samples(int32_t width, int32_t height, J_COLOR_SPACE space, std::vector<uint8_t> top,
            std::vector<uint8_t> bottom = {})
        : width(width), height(height), space(space), top(std::move(top)), bottom(std::move(bottom)) {}
    int32_t width = 0;
    int32_t height = 0;
    J_COLOR_SPACE space = JCS_RGB;
    std::vector<uint8_t> top;
    std::vector<uint8_t> bottom;  // empty: as top
    int32_t band = 8;
    Scans scans = Scans::Baseline;
    int quality = 100;
};

// "a/b.jpg" (UTF-8) as the device path "\a\b.jpg".
inline std::u16string DevicePath(const std::string& relative) {
    std::u16string path = u"\\" + files::Utf8ToUtf16(relative).value_or(u"");
    std::replace(path.begin(), path.end(), u'/', u'\\');
    return path;
}

// A fresh host folder that is the device root for the scope; removed after.
class DeviceFolder {
public:
    DeviceFolder() : previousRoot_(files::DeviceRoot()) {
        if (folder_.path().empty()) throw std::runtime_error("no temporary folder");
        files::SetDeviceRoot(folder_.path());
    }
    ~DeviceFolder() { files::SetDeviceRoot(previousRoot_); }
    DeviceFolder(const DeviceFolder&) = delete;
    DeviceFolder& operator=(const DeviceFolder&) = delete;

    // Encodes samples (no chroma subsampling) as name; its device path.
    std::u16string Write(const std::string& name, const Samples& s) {
        const jpeg_writer::Format format{.width = s.width, .height = s.height, .components = int(s.top.size()),
                                         .space = s.space, .quality = s.quality, .fullChroma = true, .scans = s.scans};
        const auto rows = [&s](int y, uint8_t* row) {
            for (int32_t x = 0; x < s.width; ++x) {
                const std::vector<uint8_t>& pixel = (y < s.band && x < s.band) || s.bottom.empty() ? s.top : s.bottom;
                row = std::copy(pixel.begin(), pixel.end(), row);
            }
        };
        if (!jpeg_writer::Write(folder_ / name, format, rows)) throw std::runtime_error("cannot write " + name);
        return DevicePath(name);
    }
    std::u16string WriteBytes(const std::string& name, const std::vector<uint8_t>& bytes) {
        std::ofstream(folder_ / name, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()),
                                                              std::streamsize(bytes.size()));
        return DevicePath(name);
    }
    std::vector<uint8_t> ReadBytes(const std::string& name) const {
        std::ifstream in(folder_ / name, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }

private:
    testing_support::TempFolder folder_;
    std::string previousRoot_;
};

}  // namespace jpeg_test
