#pragma once
// Reading a picture file a chunk at a time: the decoders never hold a whole
// file, only a small work buffer that is refilled from the open file.
#include <atomic>
#include <cstdint>

#include <QIODevice>

#include "platform/files/file_io.h"

namespace imgdecode {

// Size of the work buffer every decode streams its file through.
constexpr uint32_t kWorkBufferBytes = 1024;

// Reads up to maximum bytes from the file's current position with one read.
// Returns the count read: 0 at the end of the file, on a read error or for a
// file that is not open.
uint32_t ReadFileChunk(uint8_t* buffer, uint32_t maximum, const files::FileHandle& file);

// An open file as a read-only device for Qt's image readers. Every byte
// passes through one work buffer of kWorkBufferBytes, refilled by
// ReadFileChunk; a read is filled completely unless the file ends. The device
// can seek (a jump outside the work buffer moves the file's position and
// empties it), so the readers check a header's offsets against the file and
// skip what lies between, as they do with a file. When cancel is given and
// becomes true the device reports the end of the file, so that a decode in
// progress fails at its next read.
class FileChunkDevice : public QIODevice {
public:
    FileChunkDevice(const files::FileHandle& file, const std::atomic<bool>* cancel);

    // The bytes of the work buffer not handed out yet, refilled first when
    // it is empty; size 0 at the end. Peek leaves them there, Take hands
    // them all out (for readers with their own notion of a buffer).
    const uint8_t* PeekChunk(uint32_t* size);
    const uint8_t* TakeChunk(uint32_t* size);

    // True once a read asked for bytes past the end of the file.
    bool ReadPastEnd() const { return readPastEnd_; }

    bool isSequential() const override { return false; }
    qint64 size() const override { return size_; }
    bool seek(qint64 position) override;

protected:
    qint64 readData(char* data, qint64 maxSize) override;
    qint64 writeData(const char*, qint64) override { return -1; }

private:
    bool Refill();

    const files::FileHandle& file_;
    const std::atomic<bool>* cancel_;
    qint64 size_ = 0;
    uint8_t work_[kWorkBufferBytes] = {};
    qint64 workStart_ = 0;   // file offset of the work buffer's first byte
    uint32_t filled_ = 0;    // bytes currently in the work buffer
    uint32_t consumed_ = 0;  // of those, bytes already handed out
    bool readPastEnd_ = false;
};

}  // namespace imgdecode
