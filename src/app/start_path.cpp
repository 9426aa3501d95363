#include "app/start_path.h"

#include <filesystem>

#include "platform/files/device_paths.h"
#include "platform/files/utf.h"

namespace ezo {
namespace {

namespace fs = std::filesystem;

// The real place of p (symbolic links followed), or p as written when that fails.
fs::path RealPath(const fs::path& p) {
    std::error_code error;
    fs::path real = fs::canonical(p, error);
    return error ? p.lexically_normal() : real;
}

// p below root as device components; nothing when p is not inside root.
bool RelativeParts(const fs::path& p, const fs::path& root, fs::path* relative) {
    const fs::path r = p.lexically_relative(root);
    if (r.empty()) return false;
    const auto first = r.begin();
    if (*first == "..") return false;
    *relative = r;
    return true;
}

StartPath Refuse(const std::string& path, const std::string& why) {
    StartPath result;
    result.error = "'" + path + "' " + why;
    return result;
}

}  // namespace

StartPath ResolveStartPath(const std::string& path, const std::string& root, const std::string& cwd) {
    if (path.empty()) return Refuse(path, "is not a file or a folder");
    const fs::path given = fs::path(cwd) / path;  // an absolute path replaces cwd
    std::error_code error;
    const fs::file_status status = fs::status(given, error);
    if (!fs::exists(status)) return Refuse(path, "does not exist");
    const bool folder = fs::is_directory(status);
    if (!folder && !fs::is_regular_file(status)) return Refuse(path, "is not a file or a folder");

    const fs::path real = RealPath(given);
    fs::path deviceRoot = RealPath(fs::path(cwd) / root);
    fs::path relative;
    if (!RelativeParts(real, deviceRoot, &relative)) {
        deviceRoot = folder ? real : real.parent_path();
        relative = folder ? fs::path(".") : real.filename();
    }

    StartPath result;
    result.root = deviceRoot.string();
    result.devicePath.assign(1, u'\\');  // assign, not =, avoids a false -Wrestrict in GCC 12
    for (const fs::path& part : relative) {
        if (part == "." || part.empty()) continue;
        std::optional<std::u16string> name = files::Utf8ToUtf16(part.string());
        if (!name || !files::IsDeviceName(*name)) return Refuse(path, "has a name the device cannot hold");
        if (result.devicePath.size() > 1) result.devicePath += u'\\';
        result.devicePath += *name;
    }
    if (folder && result.devicePath.size() > 1) result.devicePath += u'\\';
    if (result.devicePath.size() >= 260) return Refuse(path, "is too long for the device (259 characters at most)");
    return result;
}

}  // namespace ezo
