#pragma once
// A JPEG file read forward in 64 KiB blocks: the bytes of the current block
// are open to the entropy reader's fast path, and single bytes and skips
// cross blocks. The file is never held whole.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <memory>

namespace ezo {

class JpegByteSource {
public:
    explicit JpegByteSource(std::FILE* file);

    // The next byte; false at the end of the file (or a read error).
    bool Next(uint8_t& byte) {
        if (next_ == end_ && !Fill()) return false;
        byte = *next_++;
        return true;
    }
    // Two bytes, the first the high one.
    bool NextWord(uint16_t& word);
    // Steps over count bytes; false when the file ends first.
    bool Skip(size_t count);

    // The unread part of the current block; Advance(n) marks n of them read.
    const uint8_t* next() const { return next_; }
    size_t available() const { return size_t(end_ - next_); }
    void Advance(size_t count) { next_ += count; }

private:
    bool Fill();  // reads the next block; false when nothing came

    std::FILE* file_;
    std::unique_ptr<uint8_t[]> buffer_;
    const uint8_t* next_ = nullptr;
    const uint8_t* end_ = nullptr;
};

}  // namespace ezo
