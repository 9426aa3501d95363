#include "support/jpeg_test_support.h"

#include <algorithm>
#include <fstream>
#include <iterator>
#include <stdexcept>

#include "platform/files/device_paths.h"
#include "platform/files/utf.h"

namespace jpeg_test {

DeviceFolder::DeviceFolder() : previousRoot_(files::DeviceRoot()) {
    if (folder_.path().empty()) throw std::runtime_error("no temporary folder");
    files::SetDeviceRoot(folder_.path());
}

DeviceFolder::~DeviceFolder() { files::SetDeviceRoot(previousRoot_); }

std::u16string DeviceFolder::Write(const std::string& name, const Samples& s) {
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

std::u16string DeviceFolder::WriteBytes(const std::string& name, const std::vector<uint8_t>& bytes) {
    std::ofstream(folder_ / name, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()),
                                                          std::streamsize(bytes.size()));
    return DevicePath(name);
}

std::vector<uint8_t> DeviceFolder::ReadBytes(const std::string& name) const {
    std::ifstream in(folder_ / name, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::u16string DevicePath(const std::string& relative) {
    std::u16string path = u"\\" + files::Utf8ToUtf16(relative).value_or(u"");
    std::replace(path.begin(), path.end(), u'/', u'\\');
    return path;
}

}  // namespace jpeg_test
