#pragma once
// Shared by the program benchmarks: the real main window on a headless
// device, over a temporary device root and settings file, and pictures
// written into that root.
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "app/main_window.h"
#include "app/program_entry.h"
#include "photo_jpeg.h"
#include "shell/program.h"
#include "shell/shell_windows.h"
#include "browse/file_list.h"
#include "browse/file_view.h"
#include "platform/device/device.h"
#include "platform/files/device_paths.h"
#include "platform/registry/registry.h"
#include "settings/settings.h"

namespace bench {

namespace fs = std::filesystem;

inline std::string& CachedPhotoFolderName() {
    static std::string name;
    return name;
}


// A photo-like JPEG of the size, written once per run into a folder of its
// own and removed at exit; empty when it cannot be written.
inline fs::path CachedPhoto(int width, int height) {
    static const fs::path folder = [] {
        std::string pattern = (fs::temp_directory_path() / "ezo-bench-photos-XXXXXX").string();
        if (!mkdtemp(pattern.data())) std::abort();
        std::atexit([] {
            std::error_code error;
            fs::remove_all(fs::path(CachedPhotoFolderName()), error);
        });
        CachedPhotoFolderName() = pattern;
        return fs::path(pattern);
    }();
    const fs::path file = folder / (std::to_string(width) + "x" + std::to_string(height) + ".jpg");
    if (!fs::exists(file) && !WriteJpeg(file, width, height)) return {};
    return file;
}

// A temporary device root and settings file, a headless device and the
// program's main window, all gone at the end of the scope.
class Program {
public:
    explicit Program(bool virtualClock = true) {
        std::string pattern = (fs::temp_directory_path() / "ezo-bench-program-XXXXXX").string();
        if (!mkdtemp(pattern.data())) std::abort();
        folder_ = pattern;
        fs::create_directories(folder_ / "root");
        files::SetDeviceRoot((folder_ / "root").string());
        files::SetThumbnailFolder((folder_ / "thumbnails").string());
        files::CreateThumbnailFolder();
        registry::SetRegistryFile((folder_ / "registry.reg").string());
        device_ = device::Device::start({.scale = 1, .headless = true, .virtualClock = virtualClock});
        if (!device_) std::abort();
        static char module;
        ezo::SetProgramModule(&module);
        ezo::RegisterProgramClasses();
        window_ = ezo::CreateMainWindow(device::SW_SHOW);
        device_->processPending();
    }
    ~Program() {
        device_.reset();
        registry::SetRegistryFile("");
        std::error_code error;
        fs::remove_all(folder_, error);
    }
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;

    fs::path root() const { return folder_ / "root"; }
    device::Device& device() { return *device_; }
    device::HWND window() const { return window_; }
    // The state of the program's main window.
    ezo::Program& state() const { return ezo::ProgramOf(window_); }

    // Puts a file into the device root under name (a link when it can).
    bool AddFile(const fs::path& source, const std::string& name) {
        if (source.empty()) return false;
        std::error_code error;
        fs::create_hard_link(source, root() / name, error);
        if (error) fs::copy_file(source, root() / name, fs::copy_options::overwrite_existing, error);
        return !error;
    }

    // Lists the root folder into the FileList and the file list control.
    void ListRoot() {
        ezo::Program& program = state();
        program.currentFolder = u"\\";
        program.fileList.scanPath = u"\\";
        ezo::ScanFolder(program.fileList);
        ezo::RefillFileView(program);
        ezo::ShowFileArea(program.shell);
        device_->processPending();
    }

private:
    fs::path folder_;
    std::unique_ptr<device::Device> device_;
    device::HWND window_ = nullptr;
};

}  // namespace bench
