#include "image/jpeg_dc_header.h"

#include <algorithm>
#include <cstring>

namespace ezo {
namespace {

enum Marker : uint8_t {
    kSof0 = 0xC0,  // baseline
    kSof1 = 0xC1,  // extended sequential, Huffman
    kDht = 0xC4,
    kSoi = 0xD8,
    kSos = 0xDA,
    kDqt = 0xDB,
    kDri = 0xDD,
    kApp0 = 0xE0,
    kApp14 = 0xEE,
    kApp15 = 0xEF,
    kCom = 0xFE,
};

constexpr int kBaselinePrecision = 8;
constexpr int kMaxSampling = 4;
// The most blocks one MCU may hold; the library refuses files with more.
constexpr int kMaxBlocksInMcu = 10;
// Component ids 'R', 'G', 'B': the library takes such a file as RGB.
constexpr uint8_t kRgbIds[3] = {82, 71, 66};

// The header as it is read, with what is only needed until the scan.
struct HeaderRead {
    JpegByteSource& source;
    DcScanHeader header;
    bool frameSeen = false;
    bool jfifSeen = false;
    bool adobeSeen = false;
    uint8_t adobeTransform = 0;
    bool quantDefined[kJpegTableSlots] = {};
    uint16_t quantFirst[kJpegTableSlots] = {};
};

// The length word of a segment; the count of bytes after it.
bool ReadSegmentLength(JpegByteSource& source, int& remaining) {
    uint16_t length = 0;
    if (!source.NextWord(length) || length < 2) return false;
    remaining = length - 2;
    return true;
}

// The next marker's code. Fill bytes (0xFF) before it are allowed; any other
// byte between segments is not.
bool ReadMarker(JpegByteSource& source, uint8_t& code) {
    uint8_t byte = 0;
    if (!source.Next(byte) || byte != 0xFF) return false;
    do {
        if (!source.Next(code)) return false;
    } while (code == 0xFF);
    return true;
}

// A table's first byte: its precision (quantisation) or class (Huffman) in
// the high four bits, 0 or 1, and its slot in the low four.
bool ReadTableId(JpegByteSource& source, int& kind, int& slot) {
    uint8_t id = 0;
    if (!source.Next(id)) return false;
    kind = id >> 4;
    slot = id & 0x0F;
    return kind <= 1 && slot < kJpegTableSlots;
}

bool ReadQuantTables(HeaderRead& read, int remaining) {
    while (remaining > 0) {
        int precision = 0, slot = 0;
        if (!ReadTableId(read.source, precision, slot)) return false;
        const bool wide = precision != 0;
        const int bytes = wide ? 128 : 64;
        if (remaining < 1 + bytes) return false;
        uint16_t first = 0;
        uint8_t narrow = 0;
        if (wide ? !read.source.NextWord(first) : !read.source.Next(narrow)) return false;
        read.quantFirst[slot] = wide ? first : narrow;
        read.quantDefined[slot] = true;
        if (!read.source.Skip(size_t(bytes - (wide ? 2 : 1)))) return false;
        remaining -= 1 + bytes;
    }
    return true;
}

bool ReadHuffmanTables(HeaderRead& read, int remaining) {
    while (remaining > 0) {
        int tableClass = 0, slot = 0;
        if (!ReadTableId(read.source, tableClass, slot) || remaining < 17) return false;
        JpegHuffmanCodes& codes = tableClass ? read.header.acCodes[slot] : read.header.dcCodes[slot];
        int total = 0;
        for (int length = 1; length <= 16; ++length) {
            if (!read.source.Next(codes.counts[length])) return false;
            total += codes.counts[length];
        }
        if (total > 256 || remaining < 17 + total) return false;
        for (int i = 0; i < total; ++i)
            if (!read.source.Next(codes.symbols[i])) return false;
        codes.defined = true;
        remaining -= 17 + total;
    }
    return true;
}

bool ReadFrame(HeaderRead& read, int remaining) {
    DcScanHeader& h = read.header;
    uint8_t precision = 0, count = 0;
    uint16_t height = 0, width = 0;
    if (read.frameSeen || !read.source.Next(precision) || !read.source.NextWord(height) ||
        !read.source.NextWord(width) || !read.source.Next(count))
        return false;
    if (precision != kBaselinePrecision || height == 0 || width == 0 || (count != 1 && count != 3) ||
        remaining != 6 + 3 * count)
        return false;
    read.frameSeen = true;
    h.width = width;
    h.height = height;
    h.componentCount = count;
    int blocks = 0;
    for (int c = 0; c < count; ++c) {
        DcComponent& component = h.components[c];
        uint8_t sampling = 0, table = 0;
        if (!read.source.Next(component.id) || !read.source.Next(sampling) || !read.source.Next(table)) return false;
        component.h = sampling >> 4;
        component.v = sampling & 0x0F;
        component.quantTable = table;
        if (component.h < 1 || component.h > kMaxSampling || component.v < 1 || component.v > kMaxSampling ||
            table >= kJpegTableSlots)
            return false;
        for (int other = 0; other < c; ++other)
            if (h.components[other].id == component.id) return false;
        blocks += component.h * component.v;
    }
    // A lone component is scanned block by block whatever its factors.
    if (count == 1) h.components[0].h = h.components[0].v = 1;
    for (int c = 0; c < count; ++c) {
        h.hMax = std::max(h.hMax, h.components[c].h);
        h.vMax = std::max(h.vMax, h.components[c].v);
    }
    // Each component's blocks must cover whole luma blocks.
    for (int c = 0; c < count; ++c)
        if (h.hMax % h.components[c].h != 0 || h.vMax % h.components[c].v != 0) return false;
    return count == 1 || blocks <= kMaxBlocksInMcu;
}

// JFIF (APP0) and Adobe (APP14) segments decide the colours of a
// three-component file, as the library decides them.
bool ReadApplicationSegment(HeaderRead& read, uint8_t code, int remaining) {
    uint8_t start[14] = {};
    const int kept = std::min(remaining, int(sizeof start));
    for (int i = 0; i < kept; ++i)
        if (!read.source.Next(start[i])) return false;
    if (code == kApp0 && kept >= 14 && std::memcmp(start, "JFIF", 5) == 0) read.jfifSeen = true;
    if (code == kApp14 && kept >= 12 && std::memcmp(start, "Adobe", 5) == 0) {
        read.adobeSeen = true;
        read.adobeTransform = start[11];
    }
    return read.source.Skip(size_t(remaining - kept));
}

// The library's reading of three components: YCbCr unless an Adobe marker
// (without JFIF) says otherwise or the ids spell R, G, B.
bool IsYCbCr(const HeaderRead& read) {
    if (read.jfifSeen) return true;
    if (read.adobeSeen) return read.adobeTransform == 1;
    const DcComponent* c = read.header.components;
    return !(c[0].id == kRgbIds[0] && c[1].id == kRgbIds[1] && c[2].id == kRgbIds[2]);
}

int FrameIndexOf(const DcScanHeader& h, uint8_t id) {
    for (int c = 0; c < h.componentCount; ++c)
        if (h.components[c].id == id) return c;
    return -1;
}

// The scan must hold every component once, with defined tables, and all 64
// coefficients in one pass.
bool ReadScan(HeaderRead& read, int remaining) {
    DcScanHeader& h = read.header;
    uint8_t count = 0;
    if (!read.frameSeen || !read.source.Next(count) || count != h.componentCount || remaining != 4 + 2 * count)
        return false;
    if (h.componentCount == 3 && !IsYCbCr(read)) return false;
    bool used[kMaxDcComponents] = {};
    for (int s = 0; s < count; ++s) {
        uint8_t id = 0, tables = 0;
        if (!read.source.Next(id) || !read.source.Next(tables)) return false;
        const int c = FrameIndexOf(h, id);
        if (c < 0 || used[c]) return false;
        used[c] = true;
        h.scanOrder[s] = c;
        DcComponent& component = h.components[c];
        component.dcTable = tables >> 4;
        component.acTable = tables & 0x0F;
        if (component.dcTable >= kJpegTableSlots || component.acTable >= kJpegTableSlots ||
            !h.dcCodes[component.dcTable].defined ||
            !h.acCodes[component.acTable].defined || !read.quantDefined[component.quantTable])
            return false;
        component.dcQuant = read.quantFirst[component.quantTable];
    }
    uint8_t start = 0, end = 0, approximation = 0;
    if (!read.source.Next(start) || !read.source.Next(end) || !read.source.Next(approximation)) return false;
    return start == 0 && end == 63 && approximation == 0;
}

bool ReadRestartInterval(HeaderRead& read, int remaining) {
    return remaining == 2 && read.source.NextWord(read.header.restartInterval);
}

}  // namespace

std::optional<DcScanHeader> ReadDcScanHeader(JpegByteSource& source) {
    HeaderRead read{source, {}};
    uint8_t first = 0, second = 0;
    if (!source.Next(first) || !source.Next(second) || first != 0xFF || second != kSoi) return std::nullopt;
    // Every segment consumes bytes, so the loop ends with the file.
    for (;;) {
        uint8_t code = 0;
        int remaining = 0;
        if (!ReadMarker(source, code) || !ReadSegmentLength(source, remaining)) return std::nullopt;
        bool ok = false;
        if (code == kSof0 || code == kSof1)
            ok = ReadFrame(read, remaining);
        else if (code == kDht)
            ok = ReadHuffmanTables(read, remaining);
        else if (code == kDqt)
            ok = ReadQuantTables(read, remaining);
        else if (code == kDri)
            ok = ReadRestartInterval(read, remaining);
        else if (code >= kApp0 && code <= kApp15)
            ok = ReadApplicationSegment(read, code, remaining);
        else if (code == kCom)
            ok = source.Skip(size_t(remaining));
        else if (code == kSos)
            return ReadScan(read, remaining) ? std::optional(read.header) : std::nullopt;
        if (!ok) return std::nullopt;
    }
}

}  // namespace ezo
