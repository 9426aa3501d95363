#include "platform/imgdecode/file_chunks.h"

#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cstring>

namespace imgdecode {

uint32_t ReadFileChunk(uint8_t* buffer, uint32_t maximum, const files::FileHandle& file) {
    if (!file.valid()) return 0;
    uint32_t read = 0;
    if (!files::ReadFile(file, buffer, maximum, &read)) return 0;
    return read;
}

FileChunkDevice::FileChunkDevice(const files::FileHandle& file, const std::atomic<bool>* cancel)
    : file_(file), cancel_(cancel) {
    struct stat st;
    if (file.valid() && ::fstat(file.fd(), &st) == 0) size_ = st.st_size;
    const off_t start = file.valid() ? ::lseek(file.fd(), 0, SEEK_CUR) : 0;
    workStart_ = start > 0 ? start : 0;
    // Unbuffered: Qt keeps no read-ahead copy of its own beside the work buffer.
    open(QIODevice::ReadOnly | QIODevice::Unbuffered);
    QIODevice::seek(workStart_);
}

bool FileChunkDevice::Refill() {
    workStart_ += filled_;
    filled_ = consumed_ = 0;
    if (cancel_ && cancel_->load(std::memory_order_relaxed)) return false;
    filled_ = ReadFileChunk(work_, kWorkBufferBytes, file_);
    return filled_ > 0;
}

const uint8_t* FileChunkDevice::PeekChunk(uint32_t* size) {
    if (consumed_ == filled_) Refill();
    *size = filled_ - consumed_;
    return work_ + consumed_;
}

const uint8_t* FileChunkDevice::TakeChunk(uint32_t* size) {
    const uint8_t* data = PeekChunk(size);
    consumed_ = filled_;
    return data;
}

bool FileChunkDevice::seek(qint64 position) {
    if (position < 0 || !QIODevice::seek(position)) return false;
    if (position >= workStart_ && position <= workStart_ + filled_) {
        consumed_ = uint32_t(position - workStart_);
        return true;
    }
    if (!file_.valid() || ::lseek(file_.fd(), position, SEEK_SET) != position) return false;
    workStart_ = position;
    filled_ = consumed_ = 0;
    return true;
}

qint64 FileChunkDevice::readData(char* data, qint64 maxSize) {
    qint64 done = 0;
    while (done < maxSize) {
        if (consumed_ == filled_ && !Refill()) {
            readPastEnd_ = true;
            break;
        }
        const uint32_t count = uint32_t(std::min<qint64>(filled_ - consumed_, maxSize - done));
        std::memcpy(data + done, work_ + consumed_, count);
        consumed_ += count;
        done += count;
    }
    return done;
}

}  // namespace imgdecode
