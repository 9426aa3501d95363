#include "thumbs/thumb_file.h"

#include <csetjmp>
#include <cstdio>
#include <cstring>
#include <optional>

#include <jpeglib.h>

#include "platform/files/device_paths.h"
#include "platform/files/file_io.h"

namespace ezo {
namespace {

// The standard error manager with a recovery point behind it: a write error
// (a full disk) ends the write instead of the process.
struct CompressError {
    jpeg_error_mgr pub;
    std::jmp_buf recovery;
};

void LeaveOnError(j_common_ptr cinfo) { std::longjmp(reinterpret_cast<CompressError*>(cinfo->err)->recovery, 1); }

void Quiet(j_common_ptr, int) {}

class CompressSession {
public:
    CompressSession() {
        std::memset(&cinfo, 0, sizeof cinfo);
        std::memset(&error, 0, sizeof error);
        cinfo.err = jpeg_std_error(&error.pub);
        error.pub.error_exit = LeaveOnError;
        error.pub.emit_message = Quiet;
    }
    ~CompressSession() {
        if (cinfo.mem) jpeg_destroy_compress(&cinfo);
    }
    CompressSession(const CompressSession&) = delete;
    CompressSession& operator=(const CompressSession&) = delete;

    jpeg_compress_struct cinfo;
    CompressError error;
};

// Compresses the rows, top first, blue-green-red turned into red-green-blue.
// Runs under the recovery point: no objects with destructors here.
void Compress(jpeg_compress_struct& cinfo, std::FILE* file, const gdi::Bitmap& bitmap) {
    jpeg_create_compress(&cinfo);
    jpeg_stdio_dest(&cinfo, file);
    cinfo.image_width = JDIMENSION(bitmap.width());
    cinfo.image_height = JDIMENSION(bitmap.height());
    cinfo.input_components = 3;
    cinfo.in_color_space = JCS_RGB;
    jpeg_set_defaults(&cinfo);
    jpeg_start_compress(&cinfo, TRUE);
    JSAMPARRAY row = (*cinfo.mem->alloc_sarray)(reinterpret_cast<j_common_ptr>(&cinfo), JPOOL_IMAGE,
                                                JDIMENSION(bitmap.stride() + 8), 1);
    for (int32_t y = 0; y < bitmap.height(); ++y) {
        std::memcpy(row[0], bitmap.row(y), size_t(bitmap.stride()));
        for (int32_t x = 0; x < bitmap.width(); ++x) std::swap(row[0][3 * x], row[0][3 * x + 2]);
        jpeg_write_scanlines(&cinfo, row, 1);
    }
    jpeg_finish_compress(&cinfo);
}

bool CompressTo(std::FILE* file, const gdi::Bitmap& bitmap) {
    CompressSession session;
    if (setjmp(session.error.recovery) != 0) return false;
    Compress(session.cinfo, file, bitmap);
    return true;
}

bool WriteJpegFile(const std::u16string& path, const gdi::Bitmap& bitmap) {
    files::FilePtr file = files::_wfopen(path, u"wb");
    if (!file) return false;
    const bool compressed = CompressTo(file.get(), bitmap);
    // Data still buffered can fail to reach the disk at the close.
    return std::fclose(file.release()) == 0 && compressed;
}

}  // namespace

int SaveThumbnailFile(const gdi::Bitmap& bitmap, const std::u16string& path) {
    if (!bitmap.programVisible() || bitmap.bitsPerPixel() != 24) return 0;
    const std::u16string temporary = path + u".part";
    const std::optional<std::string> from = files::HostPathOf(temporary);
    const std::optional<std::string> to = files::HostPathOf(path);
    if (!from || !to) return 0;
    if (!WriteJpegFile(temporary, bitmap)) {
        files::DeleteFile(temporary);
        return 0;
    }
    // A rename within one folder replaces the old file in one step.
    if (std::rename(from->c_str(), to->c_str()) != 0) {
        files::DeleteFile(temporary);
        return 0;
    }
    return 1;
}

}  // namespace ezo
