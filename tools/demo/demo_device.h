#pragma once
// The built-in demo device: a small folder tree of generated pictures in
// several formats and sizes, the same bytes on every run.
#include <filesystem>
#include <string>
#include <vector>

#include "demo/scenes.h"

namespace demo {

enum class Format { Jpeg, Bmp24, Bmp16, Gif, Text };

struct DemoFile {
    const char8_t* path;  // relative to the device root, '/' separated
    Format format;
    Scene scene;
    int width;
    int height;
};

// Every file of the demo device.
const std::vector<DemoFile>& DemoFiles();

// The bytes of one file: its picture encoded, or the text. The picture as
// painted goes to painted when asked for.
std::vector<uint8_t> MakeDemoFile(const DemoFile& file, Picture* painted = nullptr);

// Writes the files (all by default) under root, making folders as needed
// and replacing files of the same names; nothing else there is touched.
// False with a message on the first failure.
bool MakeDemoDevice(const std::filesystem::path& root, std::string* error,
                    const std::vector<DemoFile>& files = DemoFiles());

}  // namespace demo
