#pragma once
// The benchmarks' test pictures, written at quality 90 (4:2:0).
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <filesystem>

#include "jpeg_writer/jpeg_writer.h"

namespace bench {

// A JPEG that compresses and decodes like a photograph: gradients, a soft
// wave and grain; written a row at a time, so a 48 MP one needs no big buffer.
// A solid colour instead when solid is given.
inline bool WriteJpeg(const std::filesystem::path& file, int width, int height, const uint8_t* solid = nullptr,
                      jpeg_writer::Format::Scans scans = jpeg_writer::Format::Scans::Baseline) {
    uint32_t noise = 12345;
    return jpeg_writer::Write(file, {.width = width, .height = height, .scans = scans}, [&](int y, uint8_t* row) {
        for (int x = 0; x < width; ++x) {
            uint8_t* p = &row[size_t(x) * 3];
            if (solid) {
                p[0] = solid[0], p[1] = solid[1], p[2] = solid[2];
                continue;
            }
            noise = noise * 1664525u + 1013904223u;
            const int grain = int(noise >> 27) - 16;
            const int shade = int(60 * std::sin(x / 57.0f) * std::cos(y / 83.0f));
            p[0] = uint8_t(std::clamp(x * 200 / width + shade + grain + 20, 0, 255));
            p[1] = uint8_t(std::clamp(y * 200 / height - shade + grain + 30, 0, 255));
            p[2] = uint8_t(std::clamp(128 + shade + grain, 0, 255));
        }
    });
}

}  // namespace bench
