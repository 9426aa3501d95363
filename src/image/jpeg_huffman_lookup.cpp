#include "image/jpeg_huffman_lookup.h"

#include <algorithm>

namespace ezo {
namespace {

constexpr int kMaxCodeLength = 16;
constexpr int kMaxDcSymbol = 15;

constexpr int kLookupMask = (1 << kHuffmanLookupBits) - 1;

// Pairs each AC symbol with the one after it where the lookup's bits hold
// both whole; an end of block ends the pairing.
void BuildPairs(HuffmanLookup& lookup) {
    for (int32_t i = 0; i <= kLookupMask; ++i) {
        const uint16_t first = lookup.skip[i];
        const int used = first & 0xFF;
        const int advance = first >> 8;
        uint16_t both = first;
        if (first != 0 && used < kHuffmanLookupBits && advance != kEndOfBlockAdvance) {
            const uint16_t second = lookup.skip[(i << used) & kLookupMask];
            if (second != 0 && (second & 0xFF) <= kHuffmanLookupBits - used)
                both = uint16_t((advance + (second >> 8)) << 8 | (used + (second & 0xFF)));
        }
        lookup.pair[i] = uint32_t(first) << 16 | both;
    }
}

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
    BuildPairs(lookup);
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
