#pragma once
// Opening a picture file for the JPEG decoder, which reads it through the
// library's stdio source.
#include <cstdio>
#include <memory>
#include <string>

namespace ezo {

struct JpegFileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};
using JpegFilePtr = std::unique_ptr<std::FILE, JpegFileCloser>;

// Opens a picture at a device path for binary reading; null when it cannot
// be opened.
JpegFilePtr OpenJpegFile(const std::u16string& path);

}  // namespace ezo
