#pragma once
// Opening, reading, writing and deleting device files. Every open file has an
// owner: FileHandle for the handle calls, FilePtr for the runtime library's
// streams (which libjpeg's stdio source and destination take). Only regular
// files open; a folder, a pipe or a device behind a picture's name fails at
// once instead of blocking.
#include <cstdint>
#include <cstdio>
#include <memory>
#include <string_view>

namespace files {

constexpr uint32_t GENERIC_READ = 0x80000000;
constexpr uint32_t GENERIC_WRITE = 0x40000000;
constexpr uint32_t FILE_SHARE_READ = 0x01;
constexpr uint32_t FILE_SHARE_WRITE = 0x02;

constexpr uint32_t CREATE_NEW = 1;
constexpr uint32_t CREATE_ALWAYS = 2;
constexpr uint32_t OPEN_EXISTING = 3;
constexpr uint32_t OPEN_ALWAYS = 4;
constexpr uint32_t TRUNCATE_EXISTING = 5;

constexpr uint32_t INVALID_FILE_SIZE = 0xFFFFFFFF;

// An open file; invalid when the open failed. Closing is its destruction.
class FileHandle {
public:
    FileHandle() = default;
    explicit FileHandle(int fd) : fd_(fd) {}
    ~FileHandle() { Close(); }
    FileHandle(FileHandle&& other) noexcept : fd_(other.fd_) { other.fd_ = -1; }
    FileHandle& operator=(FileHandle&& other) noexcept;
    FileHandle(const FileHandle&) = delete;
    FileHandle& operator=(const FileHandle&) = delete;

    bool valid() const { return fd_ >= 0; }
    int fd() const { return fd_; }
    bool Close();

private:
    int fd_ = -1;
};

FileHandle CreateFile(std::u16string_view path, uint32_t desiredAccess, uint32_t shareMode,
                      void* security, uint32_t creationDisposition, uint32_t flagsAndAttributes,
                      void* templateFile);
// One read of up to toRead bytes at the current position; *bytesRead is 0 at
// the end of the file.
bool ReadFile(const FileHandle& file, void* buffer, uint32_t toRead, uint32_t* bytesRead,
              void* overlapped = nullptr);
bool WriteFile(const FileHandle& file, const void* data, uint32_t toWrite, uint32_t* written,
               void* overlapped = nullptr);
// Low 32 bits of the size; the high ones in *high when given.
uint32_t GetFileSize(const FileHandle& file, uint32_t* high);
bool CloseHandle(FileHandle& file);

bool DeleteFile(std::u16string_view path);
// Fails when the folder exists already or its parent does not.
bool CreateDirectory(std::u16string_view path, void* security = nullptr);
// Fails when the target exists.
bool MoveFile(std::u16string_view from, std::u16string_view to);

struct FileCloser {
    void operator()(FILE* file) const { std::fclose(file); }
};
using FilePtr = std::unique_ptr<FILE, FileCloser>;

// The runtime library's open with a device path; mode as fopen's ("rb",
// "r+b", "wb", "a"...). Null on failure.
FilePtr _wfopen(std::u16string_view path, std::u16string_view mode);

}  // namespace files
