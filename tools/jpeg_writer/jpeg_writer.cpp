#include "jpeg_writer/jpeg_writer.h"

#include <csetjmp>
#include <cstdio>
#include <cstdlib>

namespace jpeg_writer {
namespace {

// One compression: libjpeg's state with its errors turned into a jump back
// to Run, the row buffer and the scan script; all freed with the object.
class Compression {
public:
    explicit Compression(const Format& format) : format_(format), row_(RowBytes(format)) {
        info_.err = jpeg_std_error(&errors_.manager);
        errors_.manager.error_exit = JumpBack;
        errors_.manager.output_message = [](j_common_ptr) {};
        if (format.scans == Format::Scans::EveryBit) {
            // Each coefficient first at bit 10 (the largest shift allowed), then one bit a scan.
            for (int k = 0; k < DCTSIZE2; ++k)
                for (int al = 10; al >= 0; --al) everyBit_.push_back({1, {0}, k, k, al == 10 ? 0 : al + 1, al});
        }
    }
    ~Compression() { jpeg_destroy_compress(&info_); }
    Compression(const Compression&) = delete;
    Compression& operator=(const Compression&) = delete;

    // Holds the recovery point; no local here has a destructor, so the jump
    // skips nothing.
    bool Run(std::FILE* file, const RowSource& rows) {
        if (setjmp(errors_.recovery)) return false;
        jpeg_create_compress(&info_);
        jpeg_stdio_dest(&info_, file);
        Configure();
        jpeg_start_compress(&info_, TRUE);
        while (info_.next_scanline < info_.image_height) {
            rows(int(info_.next_scanline), row_.data());
            JSAMPROW line = row_.data();
            jpeg_write_scanlines(&info_, &line, 1);
        }
        jpeg_finish_compress(&info_);
        return true;
    }

private:
    struct Errors {
        jpeg_error_mgr manager;
        std::jmp_buf recovery;
    };

    static size_t RowBytes(const Format& f) {
        return f.width > 0 && f.components > 0 ? size_t(f.width) * size_t(f.components) : 0;
    }
    [[noreturn]] static void JumpBack(j_common_ptr info) {
        std::longjmp(reinterpret_cast<Errors*>(info->err)->recovery, 1);
    }

    void Configure() {
        info_.image_width = JDIMENSION(format_.width);
        info_.image_height = JDIMENSION(format_.height);
        info_.input_components = format_.components;
        info_.in_color_space = format_.space;
        jpeg_set_defaults(&info_);
        jpeg_set_quality(&info_, format_.quality, TRUE);
        if (format_.fullChroma)
            for (int c = 0; c < info_.num_components; ++c)
                info_.comp_info[c].h_samp_factor = info_.comp_info[c].v_samp_factor = 1;
        if (format_.halfWidthChroma) info_.comp_info[0].v_samp_factor = 1;
        info_.restart_interval = format_.restartInterval;
        if (format_.scans == Format::Scans::Progressive) jpeg_simple_progression(&info_);
        if (format_.scans == Format::Scans::EveryBit) {
            info_.scan_info = everyBit_.data();
            info_.num_scans = int(everyBit_.size());
        }
    }

    const Format format_;
    std::vector<uint8_t> row_;
    std::vector<jpeg_scan_info> everyBit_;
    Errors errors_{};
    jpeg_compress_struct info_{};
};

}  // namespace

// A stream into memory, not libjpeg's memory destination: that one leaves
// the caller's pointer on a freed buffer when a compression fails midway.
std::vector<uint8_t> Encode(const Format& format, const RowSource& rows) {
    char* buffer = nullptr;
    size_t size = 0;
    std::FILE* stream = open_memstream(&buffer, &size);
    if (!stream) return {};
    bool ok = Compression(format).Run(stream, rows);
    ok = std::fclose(stream) == 0 && ok;
    std::vector<uint8_t> bytes;
    if (ok) bytes.assign(buffer, buffer + size);
    std::free(buffer);
    return bytes;
}

bool Write(const std::filesystem::path& path, const Format& format, const RowSource& rows) {
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (!file) return false;
    bool ok = Compression(format).Run(file, rows);
    ok = std::fclose(file) == 0 && ok;
    std::error_code ignored;
    if (!ok) std::filesystem::remove(path, ignored);
    return ok;
}

}  // namespace jpeg_writer
