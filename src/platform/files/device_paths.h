#pragma once
// Where the device's file store lies on the host, and how a device path
// ("\My Documents\a.jpg", the leading "\" optional) becomes a host path.
// The device file system ignores case: each component is looked up exactly
// first, then without regard to case. Host names that cannot be device names
// (invalid UTF-8, characters the device forbids, 260 characters or more, the
// later of two names that differ only in case) do not exist on the device.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace files {

constexpr size_t kMaxDeviceName = 259;

// The host folder that is the device's "\". Default: $HOME.
void SetDeviceRoot(std::string hostPath);
std::string DeviceRoot();

// The host folder behind "\Program Files\Ezo\Thumbnails". Default:
// $XDG_CACHE_HOME/ezo/Thumbnails, else ~/.cache/ezo/Thumbnails.
void SetThumbnailFolder(std::string hostPath);
std::string ThumbnailFolder();

// Creates the thumbnail folder and its parents, as an installation does;
// called once at program start. True when the folder exists afterwards.
bool CreateThumbnailFolder();

// True for a name the device can hold.
bool IsDeviceName(std::u16string_view name);

// The host path of a device path. Components that do not exist are kept as
// written, so the result can name a file about to be created. Null for a
// path the device cannot hold ("..", forbidden characters, bad UTF-16).
std::optional<std::string> HostPathOf(std::u16string_view devicePath);

// One entry of a host folder as the device sees it.
struct DeviceDirEntry {
    std::u16string name;
    std::string hostName;
};

// The entries of a host folder that are device names, in the host's
// enumeration order, without "." and "..". Empty when the folder cannot be
// read.
std::vector<DeviceDirEntry> ReadDeviceDirectory(const std::string& hostFolder);

// hostFolder + "/" + name, without doubling a slash.
std::string JoinHostPath(const std::string& hostFolder, std::string_view name);

}  // namespace files
