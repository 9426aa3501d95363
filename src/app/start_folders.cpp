#include "app/start_folders.h"

#include <filesystem>

#include "platform/device/single_instance.h"
#include "platform/files/device_paths.h"
#include "platform/registry/registry.h"

namespace ezo {
namespace {

std::string Absolute(const std::string& folder) {
    std::error_code error;
    return std::filesystem::absolute(folder, error).lexically_normal().string();
}

}  // namespace

void UseProgramFolders(const Options& options) {
    if (!options.config.empty()) registry::SetRegistryFile(files::JoinHostPath(Absolute(options.config), "registry.reg"));
    registry::KeepRegistryInMemory(options.headless && options.config.empty());
    if (!options.cache.empty()) files::SetThumbnailFolder(files::JoinHostPath(Absolute(options.cache), "Thumbnails"));
}

QString InstanceSocketName(const Options& options) {
    if (options.config.empty()) return device::SingleInstance::DefaultName();
    return QString::fromStdString(files::JoinHostPath(Absolute(options.config), "instance.socket"));
}

}  // namespace ezo
