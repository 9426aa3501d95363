#include "image/jpeg_byte_source.h"

namespace ezo {
namespace {

// As large as the library's source reads, so either reads a file in as few
// calls.
constexpr size_t kBlockBytes = size_t(64) << 10;

}  // namespace

JpegByteSource::JpegByteSource(std::FILE* file) : file_(file), buffer_(new uint8_t[kBlockBytes]) {}

bool JpegByteSource::Fill() {
    const size_t bytes = std::fread(buffer_.get(), 1, kBlockBytes, file_);
    next_ = buffer_.get();
    end_ = next_ + bytes;
    return bytes > 0;
}

bool JpegByteSource::NextWord(uint16_t& word) {
    uint8_t high = 0, low = 0;
    if (!Next(high) || !Next(low)) return false;
    word = uint16_t(high << 8 | low);
    return true;
}

bool JpegByteSource::Skip(size_t count) {
    while (count > available()) {
        count -= available();
        next_ = end_;
        if (!Fill()) return false;
    }
    next_ += count;
    return true;
}

}  // namespace ezo
