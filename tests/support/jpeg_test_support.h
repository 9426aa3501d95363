#pragma once
// JPEG test pictures: small files made with the shared JPEG writer in a
// temporary folder that is the device root.
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "files/temp_folder.h"
#include "jpeg_writer/jpeg_writer.h"

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

// A fresh host folder that is the device root for the scope; removed after.
class DeviceFolder {
public:
    DeviceFolder();
    ~DeviceFolder();
    DeviceFolder(const DeviceFolder&) = delete;
    DeviceFolder& operator=(const DeviceFolder&) = delete;

    // Encodes samples (no chroma subsampling) as name; its device path.
    std::u16string Write(const std::string& name, const Samples& samples);
    std::u16string WriteBytes(const std::string& name, const std::vector<uint8_t>& bytes);
    std::vector<uint8_t> ReadBytes(const std::string& name) const;

private:
    testing_support::TempFolder folder_;
    std::string previousRoot_;
};

// "a/b.jpg" (UTF-8) as the device path "\a\b.jpg".
std::u16string DevicePath(const std::string& relative);

}  // namespace jpeg_test
