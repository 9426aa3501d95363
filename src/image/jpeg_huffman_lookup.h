#pragma once
// A JPEG Huffman table made ready for decoding: lookups keyed on the next
// kHuffmanLookupBits bits of the data answer every code that short in one
// step, and the longer codes are found from the canonical code ranges.
// For an AC table one lookup also gives how far a symbol moves along the
// block and how many bits it takes with its magnitude, which is all a
// decode that skips the AC coefficients needs.
#include <cstdint>

#include "image/jpeg_dc_header.h"

namespace ezo {

constexpr int kHuffmanLookupBits = 11;

// A skip entry's advance along the block for an end of block: past the end.
constexpr int kEndOfBlockAdvance = 64;

struct HuffmanLookup {
    // (code length << 8) | symbol for the codes within the lookup's bits;
    // 0 for longer codes.
    uint16_t symbol[1 << kHuffmanLookupBits];
    // (advance << 8) | bits used by code and magnitude; 0 for longer codes.
    // The advance is the zero run plus one, 16 for a run of sixteen zeros,
    // kEndOfBlockAdvance for an end of block.
    uint16_t skip[1 << kHuffmanLookupBits];
    // Two skip entries: the first symbol alone in the high half, and in the
    // low half the first and the next together when both codes and
    // magnitudes fit within the lookup's bits (else the first alone again);
    // 0 for longer codes.
    uint32_t pair[1 << kHuffmanLookupBits];
    // The largest code of each length (-1 for none), and what to add to a
    // code of that length to find its symbol's place.
    int32_t maxCode[17];
    int32_t symbolOffset[17];
    uint8_t symbols[256];
};

// Builds the lookup; false for a table the library refuses too (codes that
// overflow their lengths, or DC symbols over 15).
bool BuildHuffmanLookup(const JpegHuffmanCodes& codes, bool dc, HuffmanLookup& lookup);

// Decodes a code longer than the lookup's bits from the next 16 bits of
// data; false when no code matches (damaged data).
bool DecodeLongHuffmanCode(const HuffmanLookup& lookup, uint32_t next16, int& length, int& symbol);

// The skip entry of an AC symbol whose code has `length` bits.
constexpr uint16_t AcSkipEntry(int length, int symbol) {
    const int run = symbol >> 4;
    const int size = symbol & 0x0F;
    // A zero size is a run of sixteen zeros (run 15) or an end of block.
    const int advance = size ? run + 1 : run == 15 ? 16 : kEndOfBlockAdvance;
    return uint16_t(advance << 8 | (length + size));
}

}  // namespace ezo
