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

#include <jpeglib.h>

#include "app/program_entry.h"
#include "app/shell/shell_state.h"
#include "app/shell/shell_windows.h"
#include "browse/current_folder.h"
#include "browse/file_list.h"
#include "image/view_state.h"
#include "platform/device/device.h"
#include "platform/files/device_paths.h"
#include "platform/registry/registry.h"
#include "settings/settings.h"

namespace bench {

namespace fs = std::filesystem;

// A JPEG that compresses and decodes like a photograph: gradients, a soft
// wave and grain; written a row at a time, so a 48 MP one needs no big buffer.
// A solid colour instead when solid is given.
inline std::string& CachedPhotoFolderName() {
    static std::string name;
    return name;
}

inline bool WriteJpeg(const fs::path& file, int width, int height, const uint8_t* solid = nullptr) {
    std::FILE* out = std::fopen(file.c_str(), "wb");
    if (!out) return false;
    jpeg_compress_struct cinfo;
    jpeg_error_mgr error;
    cinfo.err = jpeg_std_error(&error);
    jpeg_create_compress(&cinfo);
    jpeg_stdio_dest(&cinfo, out);
    cinfo.image_width = JDIMENSION(width);
    cinfo.image_height = JDIMENSION(height);
    cinfo.input_components = 3;
    cinfo.in_color_space = JCS_RGB;
    jpeg_set_defaults(&cinfo);
    jpeg_set_quality(&cinfo, 90, TRUE);
    jpeg_start_compress(&cinfo, TRUE);
    std::vector<uint8_t> row(size_t(width) * 3);
    uint32_t noise = 12345;
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            uint8_t* p = &row[size_t(x) * 3];
            if (solid) {
                p[0] = solid[0], p[1] = solid[1], p[2] = solid[2];
                continue;
            }
            noise = noise * 1664525u + 1013904223u;
            const int grain = int(noise >> 27) - 16;
            const int shade = int(60 * std::sin(x / 57.0f) * std::cos(y / 83.0f));
            p[0] = uint8_t(std::clamp(x * 200 / width + shade + grain + 20, 0, 255));
            p[1] = uint8_t(std::clamp(y * 200 / height - shade + grain + 30, 0, 255));
            p[2] = uint8_t(std::clamp(128 + shade + grain, 0, 255));
        }
        JSAMPROW line = row.data();
        jpeg_write_scanlines(&cinfo, &line, 1);
    }
    jpeg_finish_compress(&cinfo);
    jpeg_destroy_compress(&cinfo);
    return std::fclose(out) == 0;
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
        ezo::viewState = ezo::ViewState{};
        ezo::settings = ezo::Settings{};
        ezo::shell = ezo::Shell{};
        static char module;
        ezo::shell.instance = &module;
        ezo::RegisterProgramClasses();
        window_ = ezo::CreateMainWindow(device::SW_SHOW);
        device_->processPending();
    }
    ~Program() {
        device_.reset();
        ezo::FreeFileList();
        ezo::viewState = ezo::ViewState{};
        registry::SetRegistryFile("");
        std::error_code error;
        fs::remove_all(folder_, error);
    }
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;

    fs::path root() const { return folder_ / "root"; }
    device::Device& device() { return *device_; }
    device::HWND window() const { return window_; }

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
        ezo::currentFolder = u"\\";
        ezo::fileList.scanPath = u"\\";
        ezo::ScanFolder();
        ezo::ShowFileArea();
        device_->processPending();
    }

private:
    fs::path folder_;
    std::unique_ptr<device::Device> device_;
    device::HWND window_ = nullptr;
};

}  // namespace bench
