#pragma once
// JPEG files from rows of samples, through libjpeg's compressor: the one
// writer of the demo device, the benchmarks and the tests.
#include <cstdint>
#include <filesystem>
#include <functional>
#include <vector>

#include <jpeglib.h>

namespace jpeg_writer {

// The picture and how to compress it; the compressor's defaults (4:2:0
// chroma, one baseline scan) unless told otherwise.
struct Format {
    int width = 0;
    int height = 0;
    int components = 3;
    J_COLOR_SPACE space = JCS_RGB;
    int quality = 90;
    bool fullChroma = false;       // every component at full resolution
    bool halfWidthChroma = false;  // chroma at half width, full height (4:2:2)
    unsigned restartInterval = 0;  // MCUs between restart markers; 0 none
    // Baseline; the library's usual progressive scans; or (one component)
    // every bit of every coefficient in its own scan, 704 scans.
    enum class Scans { Baseline, Progressive, EveryBit } scans = Scans::Baseline;
};

// Fills row y (width x components samples); rows are asked for top to bottom.
using RowSource = std::function<void(int y, uint8_t* row)>;

// The file's bytes; empty when libjpeg refuses the format.
std::vector<uint8_t> Encode(const Format& format, const RowSource& rows);

// Writes the file a row at a time, so a picture of any size needs no buffer
// of its size; false when the file cannot be written or libjpeg refuses.
bool Write(const std::filesystem::path& path, const Format& format, const RowSource& rows);

}  // namespace jpeg_writer
