#include "platform/files/file_io.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <optional>
#include <string>

#include "platform/files/device_paths.h"

namespace files {

namespace {

// Opens without blocking on pipes and keeps only regular files.
int OpenRegular(const std::string& hostPath, int flags) {
    const int fd = ::open(hostPath.c_str(), flags | O_CLOEXEC | O_NONBLOCK, 0644);
    if (fd < 0) return -1;
    struct stat st;
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(fd);
        return -1;
    }
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    return fd;
}

std::optional<int> OpenFlags(uint32_t access, uint32_t disposition) {
    int flags = 0;
    const bool read = access & GENERIC_READ;
    const bool write = access & GENERIC_WRITE;
    if (read && write) {
        flags = O_RDWR;
    } else if (write) {
        flags = O_WRONLY;
    } else {
        flags = O_RDONLY;
    }
    switch (disposition) {
        case CREATE_NEW: return flags | O_CREAT | O_EXCL;
        case CREATE_ALWAYS: return flags | O_CREAT | O_TRUNC;
        case OPEN_EXISTING: return flags;
        case OPEN_ALWAYS: return flags | O_CREAT;
        case TRUNCATE_EXISTING: return write ? std::optional<int>(flags | O_TRUNC) : std::nullopt;
        default: return std::nullopt;
    }
}

// fopen's mode as open(2) flags; null for a mode fopen would refuse.
std::optional<int> StreamFlags(std::string_view mode) {
    if (mode.empty()) return std::nullopt;
    const bool plus = mode.find('+') != std::string_view::npos;
    switch (mode[0]) {
        case 'r': return plus ? O_RDWR : O_RDONLY;
        case 'w': return (plus ? O_RDWR : O_WRONLY) | O_CREAT | O_TRUNC;
        case 'a': return (plus ? O_RDWR : O_WRONLY) | O_CREAT | O_APPEND;
        default: return std::nullopt;
    }
}

}  // namespace

FileHandle& FileHandle::operator=(FileHandle&& other) noexcept {
    if (this != &other) {
        Close();
        fd_ = other.fd_;
        other.fd_ = -1;
    }
    return *this;
}

bool FileHandle::Close() {
    if (fd_ < 0) return false;
    const bool closed = ::close(fd_) == 0;
    fd_ = -1;
    return closed;
}

FileHandle CreateFile(std::u16string_view path, uint32_t desiredAccess, uint32_t shareMode,
                      void* security, uint32_t creationDisposition, uint32_t flagsAndAttributes,
                      void* templateFile) {
    const std::optional<std::string> host = HostPathOf(path);
    const std::optional<int> flags = OpenFlags(desiredAccess, creationDisposition);
    if (!host || !flags) return FileHandle();
    return FileHandle(OpenRegular(*host, *flags));
}

bool ReadFile(const FileHandle& file, void* buffer, uint32_t toRead, uint32_t* bytesRead,
              void* overlapped) {
    if (bytesRead) *bytesRead = 0;
    if (!file.valid()) return false;
    ssize_t got;
    do {
        got = ::read(file.fd(), buffer, toRead);
    } while (got < 0 && errno == EINTR);
    if (got < 0) return false;
    if (bytesRead) *bytesRead = uint32_t(got);
    return true;
}

bool WriteFile(const FileHandle& file, const void* data, uint32_t toWrite, uint32_t* written,
               void* overlapped) {
    if (written) *written = 0;
    if (!file.valid()) return false;
    const char* bytes = static_cast<const char*>(data);
    uint32_t done = 0;
    while (done < toWrite) {
        const ssize_t put = ::write(file.fd(), bytes + done, toWrite - done);
        if (put < 0 && errno == EINTR) continue;
        if (put <= 0) break;
        done += uint32_t(put);
    }
    if (written) *written = done;
    return done == toWrite;
}

uint32_t GetFileSize(const FileHandle& file, uint32_t* high) {
    struct stat st;
    if (!file.valid() || ::fstat(file.fd(), &st) != 0) return INVALID_FILE_SIZE;
    const uint64_t size = uint64_t(st.st_size);
    if (high) *high = uint32_t(size >> 32);
    return uint32_t(size);
}

bool CloseHandle(FileHandle& file) { return file.Close(); }

bool DeleteFile(std::u16string_view path) {
    const std::optional<std::string> host = HostPathOf(path);
    struct stat st;
    if (!host || ::lstat(host->c_str(), &st) != 0 || S_ISDIR(st.st_mode)) return false;
    return ::unlink(host->c_str()) == 0;
}

bool CreateDirectory(std::u16string_view path, void* security) {
    const std::optional<std::string> host = HostPathOf(path);
    return host && ::mkdir(host->c_str(), 0755) == 0;
}

bool MoveFile(std::u16string_view from, std::u16string_view to) {
    const std::optional<std::string> source = HostPathOf(from);
    const std::optional<std::string> target = HostPathOf(to);
    struct stat st;
    if (!source || !target || ::lstat(target->c_str(), &st) == 0) return false;
    return ::rename(source->c_str(), target->c_str()) == 0;
}

FilePtr _wfopen(std::u16string_view path, std::u16string_view mode) {
    std::string narrowMode;
    for (char16_t c : mode) {
        if (c > 0x7F) return nullptr;
        narrowMode.push_back(char(c));
    }
    const std::optional<std::string> host = HostPathOf(path);
    const std::optional<int> flags = StreamFlags(narrowMode);
    if (!host || !flags) return nullptr;
    const int fd = OpenRegular(*host, *flags);
    if (fd < 0) return nullptr;
    FILE* stream = ::fdopen(fd, narrowMode.c_str());
    if (!stream) ::close(fd);
    return FilePtr(stream);
}

}  // namespace files
