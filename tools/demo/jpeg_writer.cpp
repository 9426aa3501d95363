#include "demo/jpeg_writer.h"

#include <cstring>

#include "jpeg_writer/jpeg_writer.h"

namespace demo {

std::vector<uint8_t> EncodeJpeg(const Picture& picture, int quality) {
    if (picture.empty()) return {};
    const jpeg_writer::Format format{.width = picture.width(), .height = picture.height(), .quality = quality};
    return jpeg_writer::Encode(format, [&](int y, uint8_t* row) {
        std::memcpy(row, picture.row(y), size_t(picture.width()) * 3);
    });
}

}  // namespace demo
