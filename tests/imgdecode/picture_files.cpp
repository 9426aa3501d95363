#include "picture_files.h"

#include <fstream>
#include <sstream>
#include <string>

namespace imgdecode_test {
namespace {

void Put16(std::vector<uint8_t>& out, uint32_t v) {
    out.push_back(uint8_t(v));
    out.push_back(uint8_t(v >> 8));
}
void Put32(std::vector<uint8_t>& out, uint32_t v) {
    Put16(out, v);
    Put16(out, v >> 16);
}

std::vector<uint8_t> BmpHeaders(int32_t width, int32_t height, uint32_t pixelBytes) {
    std::vector<uint8_t> out{'B', 'M'};
    Put32(out, 54 + pixelBytes);
    Put32(out, 0);
    Put32(out, 54);  // offset of the pixels
    Put32(out, 40);
    Put32(out, uint32_t(width));
    Put32(out, uint32_t(height));
    Put16(out, 1);
    Put16(out, 24);
    for (int i = 0; i < 6; ++i) Put32(out, 0);
    return out;
}

uint64_t ResidentPeakBytes() {
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);)
        if (line.rfind("VmHWM:", 0) == 0) return std::stoull(line.substr(6)) * 1024;
    return 0;
}

uint64_t ResidentBytes() {
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);)
        if (line.rfind("VmRSS:", 0) == 0) return std::stoull(line.substr(6)) * 1024;
    return 0;
}

}  // namespace

std::vector<uint8_t> Bmp24(int32_t width, int32_t height, const std::function<gdi::Rgb(int32_t, int32_t)>& pixel) {
    const uint32_t stride = uint32_t(gdi::DibStride(width, 24));
    std::vector<uint8_t> out = BmpHeaders(width, height, stride * uint32_t(height));
    for (int32_t y = height - 1; y >= 0; --y) {
        const size_t start = out.size();
        for (int32_t x = 0; x < width; ++x) {
            const gdi::Rgb c = pixel(x, y);
            out.insert(out.end(), {c.b, c.g, c.r});
        }
        out.resize(start + stride, 0);
    }
    return out;
}

std::vector<uint8_t> BmpHeaderOnly(int32_t width, int32_t height) {
    std::vector<uint8_t> out = BmpHeaders(width, height, 0);
    out.resize(out.size() + size_t(gdi::DibStride(std::min(width, 4096), 24)), 0x80);
    return out;
}

std::vector<uint8_t> GifHeaderOnly(uint16_t width, uint16_t height) {
    std::vector<uint8_t> out{'G', 'I', 'F', '8', '9', 'a'};
    Put16(out, width);
    Put16(out, height);
    out.insert(out.end(), {0x80, 0, 0, 0, 0, 0, 255, 255, 255});  // two colours
    out.push_back(0x2C);
    Put32(out, 0);  // frame at 0, 0
    Put16(out, width);
    Put16(out, height);
    out.insert(out.end(), {0, 2, 2, 0x4C, 0x01, 0, 0x3B});
    return out;
}

uint64_t PeakMemoryGrowth(const std::function<void()>& fn) {
    std::ofstream("/proc/self/clear_refs") << "5";  // the peak starts again from now
    const uint64_t before = ResidentBytes();
    fn();
    const uint64_t peak = ResidentPeakBytes();
    return peak > before ? peak - before : 0;
}

}  // namespace imgdecode_test
