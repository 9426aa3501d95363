#include "platform/registry/atomic_file.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <ctime>
#include <memory>
#include <vector>

namespace registry {

namespace {

std::atomic<long long> diskFullAfter{-1};

bool WriteAll(int fd, std::string_view data) {
    const long long limit = diskFullAfter.load();
    size_t done = 0;
    while (done < data.size()) {
        size_t chunk = data.size() - done;
        if (limit >= 0) {
            if (done >= size_t(limit)) {
                errno = ENOSPC;
                return false;
            }
            chunk = std::min(chunk, size_t(limit) - done);
        }
        const ssize_t put = ::write(fd, data.data() + done, chunk);
        if (put < 0 && errno == EINTR) continue;
        if (put <= 0) {
            if (put == 0) errno = ENOSPC;
            return false;
        }
        done += size_t(put);
    }
    return true;
}

std::string FolderOf(const std::string& path) {
    const size_t slash = path.rfind('/');
    if (slash == std::string::npos) return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

void SyncFolder(const std::string& folder) {
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    ::fsync(fd);
    ::close(fd);
}

std::string NameOf(const std::string& path) {
    const size_t slash = path.rfind('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

// A name mkostemp gives for the path: "<file>.tmp-" and six characters.
bool IsTemporaryName(std::string_view name, std::string_view prefix) {
    return name.size() == prefix.size() + 6 && name.substr(0, prefix.size()) == prefix;
}

struct DirCloser {
    void operator()(DIR* dir) const { ::closedir(dir); }
};

}  // namespace

void RemoveStaleTemporaries(const std::string& path, int minAgeSeconds) {
    const std::unique_ptr<DIR, DirCloser> dir(::opendir(FolderOf(path).c_str()));
    if (!dir) return;
    const std::string prefix = NameOf(path) + ".tmp-";
    const time_t now = ::time(nullptr);
    while (const dirent* entry = ::readdir(dir.get())) {
        if (!IsTemporaryName(entry->d_name, prefix)) continue;
        struct stat st;
        if (::fstatat(::dirfd(dir.get()), entry->d_name, &st, AT_SYMLINK_NOFOLLOW) != 0) continue;
        if (S_ISREG(st.st_mode) && now - st.st_mtime >= minAgeSeconds)
            ::unlinkat(::dirfd(dir.get()), entry->d_name, 0);
    }
}

void SimulateDiskFullAfter(std::optional<size_t> bytes) {
    diskFullAfter = bytes ? (long long)(*bytes) : -1;
}

bool WriteFileAtomically(const std::string& path, std::string_view data, int* error) {
    std::string pattern = path + ".tmp-XXXXXX";
    std::vector<char> name(pattern.begin(), pattern.end());
    name.push_back('\0');
    const int fd = ::mkostemp(name.data(), O_CLOEXEC);
    if (fd < 0) {
        if (error) *error = errno;
        return false;
    }
    ::fchmod(fd, 0644);
    bool ok = WriteAll(fd, data) && ::fsync(fd) == 0;
    int failure = errno;
    if (::close(fd) != 0 && ok) {
        ok = false;
        failure = errno;
    }
    if (ok && ::rename(name.data(), path.c_str()) != 0) {
        ok = false;
        failure = errno;
    }
    if (!ok) {
        ::unlink(name.data());
        if (error) *error = failure;
        return false;
    }
    SyncFolder(FolderOf(path));
    return true;
}

}  // namespace registry
