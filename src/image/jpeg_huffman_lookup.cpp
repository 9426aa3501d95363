#include "image/jpeg_huffman_lookup.h"

#include <algorithm>

namespace ezo {
namespace {

constexpr int kMaxCodeLength = 16;
constexpr int kMaxDcSymbol = 15;

}  // namespace

bool BuildHuffmanLookup(const JpegHuffmanCodes& codes, bool dc, HuffmanLookup& lookup) {
    std::fill(std::begin(lookup.symbol), std::end(lookup.symbol), uint16_t(0));
    std::fill(std::begin(lookup.skip), std::end(lookup.skip), uint16_t(0));
    std::copy(std::begin(codes.symbols), std::end(codes.symbols), lookup.symbols);
    // Canonical codes: consecutive within a length, doubled at each longer
    // length; no code may be all ones.
    int32_t code = 0;
    int index = 0;
    for (int length = 1; length <= kMaxCodeLength; ++length) {
        const int count = codes.counts[length];
        lookup.symbolOffset[length] = index - code;
        for (int i = 0; i < count; ++i, ++code, ++index) {
            if (code >= (int32_t(1) << length) || index > 255) return false;
            const int symbol = codes.symbols[index];
            if (dc && symbol > kMaxDcSymbol) return false;
            if (length > kHuffmanLookupBits) continue;
            const int shift = kHuffmanLookupBits - length;
            const uint16_t symbolEntry = uint16_t(length << 8 | symbol);
            const uint16_t skipEntry = AcSkipEntry(length, symbol);
            for (int32_t fill = code << shift; fill < (code + 1) << shift; ++fill) {
                lookup.symbol[fill] = symbolEntry;
                lookup.skip[fill] = skipEntry;
            }
        }
        if (code >= (int32_t(1) << length)) return false;
        lookup.maxCode[length] = count ? code - 1 : -1;
        code <<= 1;
    }
    lookup.maxCode[0] = -1;
    lookup.symbolOffset[0] = 0;
    return true;
}

bool DecodeLongHuffmanCode(const HuffmanLookup& lookup, uint32_t next16, int& length, int& symbol) {
    for (length = 1; length <= kMaxCodeLength; ++length) {
        const int32_t code = int32_t(next16 >> (kMaxCodeLength - length));
        if (code > lookup.maxCode[length]) continue;
        const int32_t place = code + lookup.symbolOffset[length];
        if (place < 0 || place > 255) return false;
        symbol = lookup.symbols[place];
        return true;
    }
    return false;
}

}  // namespace ezo
