#include "image/jpeg_bit_reader.h"

#include <cstring>

namespace ezo {
namespace {

constexpr int kCoefficients = 64;
constexpr int kMaxCodeBits = 16;

uint64_t LoadBigEndian64(const uint8_t* p) {
    uint64_t value = 0;
    std::memcpy(&value, p, sizeof value);
    return __builtin_bswap64(value);
}

bool HasFfByte(uint64_t value) { return ((~value - 0x0101010101010101ULL) & value & 0x8080808080808080ULL) != 0; }

// A DC difference from its magnitude bits: a clear top bit is a negative one.
int32_t Extend(int32_t bits, int size) { return bits < (1 << (size - 1)) ? bits - (1 << size) + 1 : bits; }

}  // namespace

// The bit buffer and the read position live in locals here, so that the
// loop over the symbols keeps them in registers; they go back to the
// members around the byte-by-byte refill and at the end.
int32_t JpegBitReader::ReadBlock(const HuffmanLookup& dc, const HuffmanLookup& ac, bool& damaged) {
    uint64_t bits = bits_;
    int count = count_;
    const uint8_t* next = source_.next();
    const uint8_t* end = next + source_.available();
    const auto need32 = [&] {
        if (count >= 32) return;
        // Eight bytes at once while none of them is 0xFF.
        if (end - next >= 8 && marker_ == 0 && !fileEnded_) {
            uint64_t word = LoadBigEndian64(next);
            if (!HasFfByte(word)) {
                const int bytes = (64 - count) >> 3;  // the whole bytes that fit: 4 to 8
                word &= ~uint64_t(0) << (64 - 8 * bytes);
                bits |= word >> count;
                count += 8 * bytes;
                next += bytes;
                return;
            }
        }
        source_.Advance(size_t(next - source_.next()));
        bits_ = bits;
        count_ = count;
        RefillByBytes();
        bits = bits_;
        count = count_;
        next = source_.next();
        end = next + source_.available();
    };
    const auto drop = [&](int n) {
        bits <<= n;
        count -= n;
    };

    need32();
    uint16_t entry = dc.symbol[bits >> (64 - kHuffmanLookupBits)];
    int length = entry >> 8;
    int size = entry & 0xFF;
    if (entry == 0 && !DecodeLongHuffmanCode(dc, uint32_t(bits >> (64 - kMaxCodeBits)), length, size)) {
        damaged = true;
        length = size = 0;
    }
    drop(length);
    int32_t difference = 0;
    if (size) {
        difference = Extend(int32_t(bits >> (64 - size)), size);
        drop(size);
    }

    for (int k = 1; k < kCoefficients;) {
        need32();
        const uint32_t pair = ac.pair[bits >> (64 - kHuffmanLookupBits)];
        // Two symbols at once, unless the first already ends the block.
        entry = k + int(pair >> 24) < kCoefficients ? uint16_t(pair) : uint16_t(pair >> 16);
        if (entry == 0) {
            int symbol = 0;
            if (DecodeLongHuffmanCode(ac, uint32_t(bits >> (64 - kMaxCodeBits)), length, symbol)) {
                entry = AcSkipEntry(length, symbol);
            } else {
                damaged = true;
                entry = uint16_t(kEndOfBlockAdvance << 8);
            }
        }
        drop(entry & 0xFF);
        k += entry >> 8;
    }
    source_.Advance(size_t(next - source_.next()));
    bits_ = bits;
    count_ = count;
    return difference;
}

void JpegBitReader::RefillByBytes() {
    while (count_ <= 56) {
        uint8_t byte = 0;
        if (marker_ != 0 || fileEnded_ || !NextDataByte(byte)) padBits_ += 8;
        bits_ |= uint64_t(byte) << (56 - count_);
        count_ += 8;
    }
}

bool JpegBitReader::NextDataByte(uint8_t& byte) {
    if (!source_.Next(byte)) {
        fileEnded_ = true;
        return false;
    }
    if (byte != 0xFF) return true;
    // 0xFF 0x00 is a data byte 0xFF; further 0xFF bytes pad a marker.
    uint8_t code = 0;
    do {
        if (!source_.Next(code)) {
            fileEnded_ = true;
            return false;
        }
    } while (code == 0xFF);
    if (code == 0) return true;
    marker_ = code;
    byte = 0;
    return false;
}

uint8_t JpegBitReader::FinishSegment() {
    // Bytes between the data and the marker are skipped, as the library does.
    uint8_t byte = 0;
    while (marker_ == 0 && !fileEnded_) NextDataByte(byte);
    const uint8_t marker = marker_;
    bits_ = 0;
    count_ = 0;
    padBits_ = 0;
    marker_ = 0;
    return marker;
}

}  // namespace ezo
