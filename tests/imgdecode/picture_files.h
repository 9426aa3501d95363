#pragma once
// Picture files made byte by byte for the decoder tests, and the peak memory
// a call takes.
#include <cstdint>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

#include "platform/gdi/pixel_format.h"

namespace imgdecode_test {

inline void Put(std::vector<uint8_t>& out, uint32_t v, int bytes) {
    for (int i = 0; i < bytes; ++i) out.push_back(uint8_t(v >> (8 * i)));
}

// A 24-bit BMP of width x height, pixel(x, y) with y from the top; without
// pixel only the headers and one row of grey follow.
inline std::vector<uint8_t> Bmp24(int32_t width, int32_t height,
                                  const std::function<gdi::Rgb(int32_t, int32_t)>& pixel = {}) {
    const uint32_t stride = uint32_t(gdi::DibStride(width, 24));
    std::vector<uint8_t> out{'B', 'M'};
    for (const uint32_t v : {54u, 0u, 54u, 40u, uint32_t(width), uint32_t(height)}) Put(out, v, 4);
    Put(out, 1, 2);
    Put(out, 24, 2);
    out.resize(54, 0);
    if (!pixel) out.resize(54 + std::min(stride, 16384u), 0x80);
    for (int32_t y = height - 1; pixel && y >= 0; --y) {
        for (int32_t x = 0; x < width; ++x) out.insert(out.end(), {pixel(x, y).b, pixel(x, y).g, pixel(x, y).r});
        out.resize(out.size() + stride - size_t(width) * 3, 0);
    }
    return out;
}

// A two-colour GIF whose screen and frame are width x height, little data.
inline std::vector<uint8_t> Gif(uint16_t width, uint16_t height) {
    std::vector<uint8_t> out{'G', 'I', 'F', '8', '9', 'a'};
    Put(out, width | uint32_t(height) << 16, 4);
    out.insert(out.end(), {0x80, 0, 0, 0, 0, 0, 255, 255, 255, 0x2C, 0, 0, 0, 0});
    Put(out, width | uint32_t(height) << 16, 4);
    out.insert(out.end(), {0, 2, 2, 0x4C, 0x01, 0, 0x3B});
    return out;
}

inline uint64_t StatusBytes(const std::string& field) {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line) && line.rfind(field, 0) != 0) {}
    return line.empty() ? 0 : std::stoull(line.substr(field.size())) * 1024;
}

// How far the resident memory rose above its level before while fn ran.
inline uint64_t PeakMemoryGrowth(const std::function<void()>& fn) {
    std::ofstream("/proc/self/clear_refs") << "5";  // the peak starts again from now
    const uint64_t before = StatusBytes("VmRSS:");
    fn();
    const uint64_t peak = StatusBytes("VmHWM:");
    return peak > before ? peak - before : 0;
}

}  // namespace imgdecode_test
