#include "demo/jpeg_writer.h"

#include <csetjmp>
#include <cstdio>
#include <cstdlib>

#include <jpeglib.h>

namespace demo {
namespace {

struct JpegErrors {
    jpeg_error_mgr manager;
    std::jmp_buf recovery;
};

[[noreturn]] void JumpBack(j_common_ptr info) {
    std::longjmp(reinterpret_cast<JpegErrors*>(info->err)->recovery, 1);
}

void Quiet(j_common_ptr) {}

// Holds the recovery point; no local here has a destructor, so the jump
// skips nothing.
bool Compress(jpeg_compress_struct* info, JpegErrors* errors, const Picture& picture, int quality,
              unsigned char** buffer, unsigned long* size) {
    if (setjmp(errors->recovery)) return false;
    jpeg_mem_dest(info, buffer, size);
    info->image_width = static_cast<JDIMENSION>(picture.width());
    info->image_height = static_cast<JDIMENSION>(picture.height());
    info->input_components = 3;
    info->in_color_space = JCS_RGB;
    jpeg_set_defaults(info);
    jpeg_set_quality(info, quality, TRUE);
    jpeg_start_compress(info, TRUE);
    while (info->next_scanline < info->image_height) {
        JSAMPROW row = const_cast<JSAMPROW>(picture.row(static_cast<int>(info->next_scanline)));
        jpeg_write_scanlines(info, &row, 1);
    }
    jpeg_finish_compress(info);
    return true;
}

}  // namespace

std::vector<uint8_t> EncodeJpeg(const Picture& picture, int quality) {
    if (picture.empty()) return {};
    jpeg_compress_struct info{};
    JpegErrors errors{};
    info.err = jpeg_std_error(&errors.manager);
    errors.manager.error_exit = JumpBack;
    errors.manager.output_message = Quiet;
    jpeg_create_compress(&info);
    unsigned char* buffer = nullptr;
    unsigned long size = 0;
    bool ok = Compress(&info, &errors, picture, quality, &buffer, &size);
    jpeg_destroy_compress(&info);
    std::vector<uint8_t> bytes;
    if (ok && buffer) bytes.assign(buffer, buffer + size);
    std::free(buffer);
    return bytes;
}

}  // namespace demo
