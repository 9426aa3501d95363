#include "platform/files/device_paths.h"

#include <dirent.h>
#include <sys/stat.h>

#include <array>
#include <cerrno>
#include <cstdlib>
#include <memory>
#include <unordered_set>

#include "platform/files/name_case.h"
#include "platform/files/utf.h"

namespace files {

namespace {

// Set at program start (and by tests) before any other thread runs.
std::string deviceRoot;
std::string thumbnailFolder;

constexpr std::array<std::u16string_view, 3> kThumbnailComponents = {u"Program Files", u"Ezo",
                                                                      u"Thumbnails"};

std::string EnvOr(const char* name, const std::string& fallback) {
    const char* value = std::getenv(name);
    return value && *value ? std::string(value) : fallback;
}

std::string HomeFolder() { return EnvOr("HOME", "/"); }

std::string WithoutTrailingSlash(std::string path) {
    while (path.size() > 1 && path.back() == '/') path.pop_back();
    return path;
}

std::u16string Folded(std::u16string_view name) {
    std::u16string folded(name);
    for (char16_t& c : folded) c = FoldCase(c);
    return folded;
}

bool IsForbidden(char16_t c) {
    return c < 0x20 || c == u'\\' || c == u'/' || c == u':' || c == u'*' || c == u'?' ||
           c == u'"' || c == u'<' || c == u'>' || c == u'|';
}

// The non-empty components of a device path; null when one cannot be a name.
std::optional<std::vector<std::u16string_view>> SplitDevicePath(std::u16string_view path) {
    std::vector<std::u16string_view> parts;
    size_t start = 0;
    while (start <= path.size()) {
        size_t end = path.find(u'\\', start);
        if (end == std::u16string_view::npos) end = path.size();
        const std::u16string_view part = path.substr(start, end - start);
        if (!part.empty()) {
            if (!IsDeviceName(part)) return std::nullopt;
            parts.push_back(part);
        }
        start = end + 1;
    }
    return parts;
}

bool IsThumbnailPath(const std::vector<std::u16string_view>& parts) {
    if (parts.size() < kThumbnailComponents.size()) return false;
    for (size_t i = 0; i < kThumbnailComponents.size(); ++i) {
        if (!EqualNoCase(parts[i], kThumbnailComponents[i])) return false;
    }
    return true;
}

bool HostEntryExists(const std::string& path) {
    struct stat st;
    return ::lstat(path.c_str(), &st) == 0;
}

// The host name of one component inside hostFolder.
std::optional<std::string> ResolveComponent(const std::string& hostFolder,
                                            std::u16string_view component) {
    std::optional<std::string> exact = Utf16ToUtf8(component);
    if (!exact) return std::nullopt;
    if (HostEntryExists(JoinHostPath(hostFolder, *exact))) return exact;
    for (const DeviceDirEntry& entry : ReadDeviceDirectory(hostFolder)) {
        if (EqualNoCase(entry.name, component)) return entry.hostName;
    }
    return exact;
}

struct DirCloser {
    void operator()(DIR* dir) const { ::closedir(dir); }
};

}  // namespace

void SetDeviceRoot(std::string hostPath) { deviceRoot = WithoutTrailingSlash(std::move(hostPath)); }

std::string DeviceRoot() {
    return deviceRoot.empty() ? WithoutTrailingSlash(HomeFolder()) : deviceRoot;
}

void SetThumbnailFolder(std::string hostPath) {
    thumbnailFolder = WithoutTrailingSlash(std::move(hostPath));
}

std::string ThumbnailFolder() {
    if (!thumbnailFolder.empty()) return thumbnailFolder;
    const std::string cache = EnvOr("XDG_CACHE_HOME", JoinHostPath(HomeFolder(), ".cache"));
    return JoinHostPath(JoinHostPath(cache, "ezo"), "Thumbnails");
}

bool CreateThumbnailFolder() {
    const std::string folder = ThumbnailFolder();
    for (size_t slash = folder.find('/', 1);; slash = folder.find('/', slash + 1)) {
        const std::string prefix = folder.substr(0, slash);
        if (::mkdir(prefix.c_str(), 0755) != 0 && errno != EEXIST) return false;
        if (slash == std::string::npos) break;
    }
    struct stat st;
    return ::stat(folder.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

bool IsDeviceName(std::u16string_view name) {
    if (name.empty() || name.size() > kMaxDeviceName) return false;
    if (name == u"." || name == u"..") return false;
    for (char16_t c : name) {
        if (IsForbidden(c)) return false;
    }
    return true;
}

std::optional<std::string> HostPathOf(std::u16string_view devicePath) {
    const auto parts = SplitDevicePath(devicePath);
    if (!parts) return std::nullopt;
    std::string host = DeviceRoot();
    size_t first = 0;
    if (IsThumbnailPath(*parts)) {
        host = ThumbnailFolder();
        first = kThumbnailComponents.size();
    }
    for (size_t i = first; i < parts->size(); ++i) {
        const std::optional<std::string> name = ResolveComponent(host, (*parts)[i]);
        if (!name) return std::nullopt;
        host = JoinHostPath(host, *name);
    }
    return host;
}

std::vector<DeviceDirEntry> ReadDeviceDirectory(const std::string& hostFolder) {
    std::vector<DeviceDirEntry> entries;
    std::unique_ptr<DIR, DirCloser> dir(::opendir(hostFolder.c_str()));
    if (!dir) return entries;
    std::unordered_set<std::u16string> seen;
    while (const dirent* item = ::readdir(dir.get())) {
        std::optional<std::u16string> name = Utf8ToUtf16(item->d_name);
        if (!name || !IsDeviceName(*name)) continue;
        // The device cannot hold two names that differ only in case: the
        // first one enumerated stands for both.
        if (!seen.insert(Folded(*name)).second) continue;
        entries.push_back(DeviceDirEntry{std::move(*name), item->d_name});
    }
    return entries;
}

std::string JoinHostPath(const std::string& hostFolder, std::string_view name) {
    std::string path = hostFolder;
    if (path.empty() || path.back() != '/') path.push_back('/');
    path.append(name);
    return path;
}

}  // namespace files
