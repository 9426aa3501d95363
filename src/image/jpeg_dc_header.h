#pragma once
// The header of a plain baseline JPEG file, read marker by marker up to the
// start of its scan, as far as a decode of only the blocks' DC coefficients
// needs it. Only the common case is accepted: 8-bit Huffman-coded baseline
// (or extended sequential) frames of one grey or three YCbCr components,
// whole-number sampling ratios, and one scan holding every component.
// Anything else is refused, so that the library decodes such files.
#include <cstdint>
#include <optional>

#include "image/jpeg_byte_source.h"

namespace ezo {

// One Huffman table as the file gives it: counts[n] codes of n bits
// (n = 1..16), their symbols in code order.
struct JpegHuffmanCodes {
    bool defined = false;
    uint8_t counts[17] = {};
    uint8_t symbols[256] = {};
};

constexpr int kJpegTableSlots = 4;  // tables 0-3 of each kind
constexpr int kMaxDcComponents = 3;

struct DcComponent {
    uint8_t id = 0;
    int h = 1;  // sampling factors
    int v = 1;
    int quantTable = 0;
    uint16_t dcQuant = 0;  // the table's first entry, latched at the scan
    int dcTable = 0;
    int acTable = 0;
};

struct DcScanHeader {
    int32_t width = 0;
    int32_t height = 0;
    int componentCount = 0;                   // 1 (grey) or 3 (YCbCr)
    DcComponent components[kMaxDcComponents];  // in the frame's order
    int scanOrder[kMaxDcComponents] = {};      // frame index of each of the scan's components
    int hMax = 1;
    int vMax = 1;
    uint16_t restartInterval = 0;  // MCUs between restart markers; 0 none
    JpegHuffmanCodes dcCodes[kJpegTableSlots];
    JpegHuffmanCodes acCodes[kJpegTableSlots];
};

// Reads from the start of the file through the scan header, leaving source
// at the first byte of the compressed data. Nothing when the file is not of
// the kind described above, or its header is damaged or cut short.
std::optional<DcScanHeader> ReadDcScanHeader(JpegByteSource& source);

}  // namespace ezo
