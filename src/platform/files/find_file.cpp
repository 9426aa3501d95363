#include "platform/files/find_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <optional>

#include "platform/files/device_paths.h"
#include "platform/files/name_case.h"

namespace files {

namespace {

FILETIME ToFileTime(const statx_timestamp& t) { return FileTimeFromUnix(t.tv_sec, t.tv_nsec); }

// The find data of one host entry, or null for entries the device does not
// show (gone, broken link, unreadable, neither file nor folder).
std::optional<WIN32_FIND_DATA> DescribeEntry(int dirFd, const char* hostName,
                                             std::u16string_view name) {
    struct statx info {};
    const unsigned mask = STATX_TYPE | STATX_MODE | STATX_SIZE | STATX_MTIME | STATX_ATIME |
                          STATX_BTIME;
    if (::statx(dirFd, hostName, AT_STATX_SYNC_AS_STAT, mask, &info) != 0) return std::nullopt;
    const bool folder = S_ISDIR(info.stx_mode);
    if (!folder && !S_ISREG(info.stx_mode)) return std::nullopt;

    WIN32_FIND_DATA data;
    uint32_t attributes = 0;
    if (folder) attributes |= FILE_ATTRIBUTE_DIRECTORY;
    if (!(info.stx_mode & S_IWUSR)) attributes |= FILE_ATTRIBUTE_READONLY;
    if (!name.empty() && name[0] == u'.') attributes |= FILE_ATTRIBUTE_HIDDEN;
    data.dwFileAttributes = attributes ? attributes : FILE_ATTRIBUTE_NORMAL;
    data.ftLastWriteTime = ToFileTime(info.stx_mtime);
    data.ftLastAccessTime = ToFileTime(info.stx_atime);
    data.ftCreationTime =
        (info.stx_mask & STATX_BTIME) ? ToFileTime(info.stx_btime) : data.ftLastWriteTime;
    const uint64_t size = folder ? 0 : info.stx_size;
    data.nFileSizeHigh = uint32_t(size >> 32);
    data.nFileSizeLow = uint32_t(size);
    const size_t length = std::min(name.size(), size_t(MAX_PATH - 1));
    std::copy_n(name.begin(), length, data.cFileName);
    return data;
}

struct FdCloser {
    int fd;
    ~FdCloser() {
        if (fd >= 0) ::close(fd);
    }
};

}  // namespace

bool MatchesPattern(std::u16string_view name, std::u16string_view pattern) {
    if (pattern == u"*.*") return true;
    // Greedy match with one backtrack point: linear for each "*".
    size_t n = 0, p = 0;
    size_t starP = std::u16string_view::npos, starN = 0;
    while (n < name.size()) {
        if (p < pattern.size() &&
            (pattern[p] == u'?' || FoldCase(pattern[p]) == FoldCase(name[n]))) {
            ++n;
            ++p;
        } else if (p < pattern.size() && pattern[p] == u'*') {
            starP = p++;
            starN = n;
        } else if (starP != std::u16string_view::npos) {
            p = starP + 1;
            n = ++starN;
        } else {
            return false;
        }
    }
    while (p < pattern.size() && pattern[p] == u'*') ++p;
    return p == pattern.size();
}

FindHandle FindFirstFile(std::u16string_view pattern, WIN32_FIND_DATA* data) {
    const size_t slash = pattern.rfind(u'\\');
    const std::u16string_view folder =
        slash == std::u16string_view::npos ? std::u16string_view() : pattern.substr(0, slash);
    const std::u16string_view namePattern =
        slash == std::u16string_view::npos ? pattern : pattern.substr(slash + 1);
    if (namePattern.empty()) return nullptr;

    const std::optional<std::string> hostFolder = HostPathOf(folder);
    if (!hostFolder) return nullptr;
    const FdCloser dir{::open(hostFolder->c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC)};
    if (dir.fd < 0) return nullptr;

    auto search = std::make_unique<FindSearch>();
    for (const DeviceDirEntry& entry : ReadDeviceDirectory(*hostFolder)) {
        if (!MatchesPattern(entry.name, namePattern)) continue;
        if (auto found = DescribeEntry(dir.fd, entry.hostName.c_str(), entry.name)) {
            search->found.push_back(*found);
        }
    }
    if (search->found.empty()) return nullptr;
    if (data) *data = search->found[0];
    search->next = 1;
    return search;
}

bool FindNextFile(const FindHandle& search, WIN32_FIND_DATA* data) {
    if (!search || search->next >= search->found.size()) return false;
    if (data) *data = search->found[search->next];
    ++search->next;
    return true;
}

bool FindClose(FindHandle& search) {
    const bool open = search != nullptr;
    search.reset();
    return open;
}

uint32_t GetFileAttributes(std::u16string_view path) {
    const std::optional<std::string> host = HostPathOf(path);
    if (!host) return INVALID_FILE_ATTRIBUTES;
    const size_t slash = path.find_last_not_of(u'\\');
    std::u16string_view name = slash == std::u16string_view::npos ? u"" : path.substr(0, slash + 1);
    const size_t start = name.rfind(u'\\');
    if (start != std::u16string_view::npos) name = name.substr(start + 1);
    const auto data = DescribeEntry(AT_FDCWD, host->c_str(), name);
    return data ? data->dwFileAttributes : INVALID_FILE_ATTRIBUTES;
}

}  // namespace files
