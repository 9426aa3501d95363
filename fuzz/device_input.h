#pragma once
// The decoding targets read their input as the program reads a picture: a
// file in the device's file store, here a temporary folder made the device
// root once per run.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

#include <unistd.h>

#include "platform/files/device_paths.h"

namespace fuzz {

// Writes the input as the file NAME at the device root.
inline void WriteDeviceInput(const char* name, const uint8_t* data, size_t size) {
    static const std::string folder = [] {
        std::string pattern = (std::filesystem::temp_directory_path() / "ezo-fuzz-XXXXXX").string();
        if (!mkdtemp(pattern.data())) std::abort();
        files::SetDeviceRoot(pattern);
        return pattern;
    }();
    std::FILE* file = std::fopen((folder + "/" + name).c_str(), "wb");
    if (!file) std::abort();
    if (size) std::fwrite(data, 1, size, file);
    std::fclose(file);
}

}  // namespace fuzz
