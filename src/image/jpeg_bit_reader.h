#pragma once
// The bits of a JPEG scan's compressed data, most significant first, in a
// 64-bit buffer, and the blocks they code. Stuffed bytes (0xFF 0x00) come
// out as 0xFF. A marker or the end of the file ends the data: zeros follow,
// counted, so a decode can tell afterwards whether it used bits that were
// never in the file.
#include <cstdint>

#include "image/jpeg_byte_source.h"
#include "image/jpeg_huffman_lookup.h"

namespace ezo {

class JpegBitReader {
public:
    explicit JpegBitReader(JpegByteSource& source) : source_(source) {}

    // Decodes one block: returns its DC difference and steps over its AC
    // coefficients, one table lookup a symbol for codes of up to
    // kHuffmanLookupBits bits. Sets damaged on a code neither table has.
    int32_t ReadBlock(const HuffmanLookup& dc, const HuffmanLookup& ac, bool& damaged);
    // Bits made up after the end of the data have been used.
    bool Overran() const { return count_ < padBits_; }

    // Ends a stretch of data (before a restart marker, or at the end of the
    // scan): drops what is left of it, extra bytes included as the library
    // does, and returns the marker that follows; 0 when the file ends first.
    uint8_t FinishSegment();

private:
    void RefillByBytes();
    // The next byte of data; false at a marker or the end of the file.
    bool NextDataByte(uint8_t& byte);

    JpegByteSource& source_;
    uint64_t bits_ = 0;  // the ready bits at the top, zeros below
    int count_ = 0;
    int padBits_ = 0;     // zeros added after the data ended
    uint8_t marker_ = 0;  // the marker that ended the data
    bool fileEnded_ = false;
};

}  // namespace ezo
