#include "image/jpeg_decoder.h"

#include <algorithm>
#include <optional>

#include "image/decoded_image.h"
#include "image/jpeg_dc_scan.h"
#include "image/jpeg_rows.h"
#include "image/jpeg_session.h"
#include "platform/files/file_io.h"

namespace ezo {
namespace {

// What the decode steps share. Plain data in DecodeJpeg's frame, so the
// steps may be left by the error exit's jump.
struct DecodeRun {
    JpegSession* session = nullptr;
    std::FILE* file = nullptr;
    // The bitmap in the slot that the rows go to.
    uint8_t* pixels = nullptr;
    int32_t width = 0;
    int32_t height = 0;
    int32_t stride = 0;
    // The rows come from the first scans of a progressive file; the rest of
    // the file is never read.
    bool firstScansOnly = false;
};

void StartDecode(DecodeRun& run) {
    jpeg_decompress_struct& cinfo = run.session->cinfo;
    OpenJpegSource(*run.session, run.file);
    cinfo.dct_method = JDCT_IFAST;
    jpeg_start_decompress(&cinfo);
}

// The scale of a reduced decode: the output size is the file's times n/8,
// rounded up, and the smallest n whose output covers `least` is taken.
struct ScaleRun {
    JpegSession* session = nullptr;
    JpegSize least;
    bool firstScansOnly = false;
};

// Every component has had a scan of its DC coefficients (maybe still
// without their lowest bits, which do not show at this size).
bool HasEveryDcCoefficient(const jpeg_decompress_struct& cinfo) {
    for (int c = 0; c < cinfo.num_components; ++c)
        if (cinfo.coef_bits[c][0] < 0) return false;
    return true;
}

void ChooseScale(ScaleRun& run) {
    jpeg_decompress_struct& cinfo = run.session->cinfo;
    cinfo.dct_method = JDCT_IFAST;
    cinfo.scale_denom = 8;
    for (cinfo.scale_num = 1; cinfo.scale_num < 8; ++cinfo.scale_num) {
        jpeg_calc_output_dimensions(&cinfo);
        if (int64_t(cinfo.output_width) >= run.least.width && int64_t(cinfo.output_height) >= run.least.height)
            break;
    }
}

void StartScaled(ScaleRun& run) {
    jpeg_decompress_struct& cinfo = run.session->cinfo;
    // At 1/8 each output pixel is the mean of its block, which is the block's
    // DC coefficient alone: a progressive file has every DC coefficient after
    // its first scans, so the scans of detail that follow need not be read.
    run.firstScansOnly = cinfo.progressive_mode && cinfo.scale_num == 1;
    if (!run.firstScansOnly) {
        jpeg_start_decompress(&cinfo);
        return;
    }
    cinfo.buffered_image = TRUE;
    cinfo.do_block_smoothing = FALSE;
    jpeg_start_decompress(&cinfo);
    for (;;) {
        const int status = jpeg_consume_input(&cinfo);
        if (status == JPEG_SUSPENDED || status == JPEG_REACHED_EOI) break;
        if (status == JPEG_SCAN_COMPLETED && HasEveryDcCoefficient(cinfo)) break;
    }
    jpeg_start_output(&cinfo, cinfo.input_scan_number);
}

// Files the DC scan may take, by the library's reading of the header: one
// sequential Huffman-coded scan of 8-bit grey or YCbCr, decoded at 1/8.
bool SuitsDcScan(const jpeg_decompress_struct& cinfo) {
    const bool colours = (cinfo.jpeg_color_space == JCS_YCbCr && cinfo.num_components == 3) ||
                         (cinfo.jpeg_color_space == JCS_GRAYSCALE && cinfo.num_components == 1);
    return colours && cinfo.scale_num == 1 && !cinfo.progressive_mode && !cinfo.arith_code &&
           cinfo.data_precision == 8;
}

// Grey, RGB and CMYK come out as 1, 3 and 4 bytes a pixel. Anything else
// (files of 2 or 5 and more components) is refused: its pixels would not fit
// the row and have no defined colours.
bool HasPlaceableOutput(const jpeg_decompress_struct& cinfo) {
    switch (cinfo.out_color_space) {
    case JCS_GRAYSCALE: return cinfo.output_components == kGrayComponents;
    case JCS_RGB: return cinfo.output_components == kRgbComponents;
    case JCS_CMYK: return cinfo.output_components == kCmykComponents;
    default: return false;
    }
}

// Creates the picture's bitmap, a tenth of the file's size smaller each
// time memory is short. Null when even the smallest size does not fit.
gdi::BitmapPtr CreatePictureBitmap(device::HWND window, JpegSize file) {
    device::WindowDC dc(window);
    JpegSize size = file;
    for (;;) {
        const gdi::BITMAPINFO info = Make24BitImageInfo(size.width, size.height);
        void* bits = nullptr;
        gdi::BitmapPtr bitmap = gdi::CreateDIBSection(dc, &info, gdi::DIB_RGB_COLORS, &bits);
        if (bits) return bitmap;
        bitmap.reset();
        const std::optional<JpegSize> smaller = NextShrinkSize(size, file);
        if (!smaller) return nullptr;
        size = *smaller;
    }
}

// Output row m counted from the top; the bitmap is bottom-up.
uint8_t* RowFromTop(const DecodeRun& run, int32_t m) {
    return run.pixels + size_t(run.stride) * size_t(run.height - 1 - m);
}

// Reads every scanline, one per call, and places the used ones. Once the
// data has ended the library would only make up grey rows, as many as the
// file declares, so reading stops two rows of blocks later (letting the rows
// partly decoded come out) and the rows not reached are filled with grey
// here. A reduced decode stops the same way.
void ReadRows(DecodeRun& run) {
    jpeg_decompress_struct& cinfo = run.session->cinfo;
    const int components = cinfo.output_components;
    const int32_t sourceWidth = int32_t(cinfo.output_width);
    const int32_t sourceHeight = int32_t(cinfo.output_height);
    const bool reduced = run.width != sourceWidth || run.height != sourceHeight;
    // A full-size three-component row is as long as a bitmap row.
    const JDIMENSION rowBytes = components == kRgbComponents && !reduced
                                    ? JDIMENSION(run.stride)
                                    : JDIMENSION(components) * cinfo.output_width;
    JSAMPARRAY row = (*cinfo.mem->alloc_sarray)(reinterpret_cast<j_common_ptr>(&cinfo), JPOOL_IMAGE,
                                                rowBytes, 1);

    const JDIMENSION tailRows = JDIMENSION(2 * cinfo.max_v_samp_factor * cinfo.min_DCT_scaled_size);
    JDIMENSION stopAt = cinfo.output_height;
    run.session->error.dataEnded = 0;
    RowSampler rows(sourceHeight, run.height);
    int32_t written = 0;
    while (cinfo.output_scanline < stopAt) {
        const int32_t scanline = int32_t(cinfo.output_scanline);
        if (jpeg_read_scanlines(&cinfo, row, 1) != 1) break;
        if (rows.Take(scanline) && written < run.height) {
            // Three-component rows get blue first while they are copied.
            PlaceJpegRow(row[0], components, sourceWidth, RowFromTop(run, written), run.width);
            ++written;
        }
        if (run.session->error.dataEnded && stopAt == cinfo.output_height)
            stopAt = std::min(cinfo.output_height, cinfo.output_scanline + tailRows);
    }
    for (int32_t m = written; m < run.height; ++m) FillRowGrey(RowFromTop(run, m), run.width);
    if (cinfo.output_scanline < cinfo.output_height || run.firstScansOnly)
        jpeg_abort_decompress(&cinfo);
    else
        jpeg_finish_decompress(&cinfo);
}

struct ProbeRun {
    JpegSession* session = nullptr;
    std::FILE* file = nullptr;
};

void ReadHeader(ProbeRun& run) { OpenJpegSource(*run.session, run.file); }

// Keeps target when it has the size already; a fresh bitmap otherwise.
bool PrepareTarget(gdi::BitmapPtr& target, int32_t width, int32_t height) {
    if (target && target->width() == width && target->height() == height && target->bitsPerPixel() == 24 &&
        target->bottomUp())
        return true;
    target.reset();
    const gdi::BITMAPINFO info = Make24BitImageInfo(width, height);
    void* bits = nullptr;
    target = gdi::CreateDIBSection(nullptr, &info, gdi::DIB_RGB_COLORS, &bits);
    if (!bits) target.reset();
    return target != nullptr;
}

}  // namespace

ReducedJpegDecode::ReducedJpegDecode(const std::u16string& path, const std::atomic<bool>* cancel,
                                     ReducedJpegPath decoders)
    : file_(files::_wfopen(path, u"rb")), path_(decoders) {
    if (!file_) return;
    session_.error.cancel = cancel;
    ProbeRun run{&session_, file_.get()};
    if (!RunJpegStep(session_, ReadHeader, run)) return;
    fileSize_ = {int32_t(session_.cinfo.image_width), int32_t(session_.cinfo.image_height)};
    opened_ = true;
}

// The DC scan reads the file from its start with a reader of its own; when
// it refuses the file, the library's reader goes on from where it was.
std::optional<bool> ReducedJpegDecode::DecodeByDcScan(gdi::Bitmap& target) {
    std::FILE* file = file_.get();
    const long resume = std::ftell(file);
    if (resume < 0 || std::fseek(file, 0, SEEK_SET) != 0) return std::nullopt;
    const DcScanResult result = DecodeJpegDcScan(file, target, session_.error.cancel);
    if (result != DcScanResult::Refused) return result == DcScanResult::Decoded;
    if (std::fseek(file, resume, SEEK_SET) != 0) return false;
    return std::nullopt;
}

bool ReducedJpegDecode::Decode(JpegSize least, gdi::BitmapPtr& target) {
    if (!opened_) return false;
    opened_ = false;  // one decode per file
    ScaleRun scale{&session_, least};
    if (!RunJpegStep(session_, ChooseScale, scale)) return false;
    const jpeg_decompress_struct& cinfo = session_.cinfo;
    if (path_ == ReducedJpegPath::DcScanFirst && SuitsDcScan(cinfo)) {
        if (!PrepareTarget(target, int32_t(cinfo.output_width), int32_t(cinfo.output_height))) return false;
        if (const std::optional<bool> decoded = DecodeByDcScan(*target)) return *decoded;
    }
    if (!RunJpegStep(session_, StartScaled, scale)) return false;
    if (!HasPlaceableOutput(cinfo)) return false;
    if (!PrepareTarget(target, int32_t(cinfo.output_width), int32_t(cinfo.output_height))) return false;
    DecodeRun run;
    run.session = &session_;
    run.file = file_.get();
    run.pixels = target->pixels();
    run.width = target->width();
    run.height = target->height();
    run.stride = target->stride();
    run.firstScansOnly = scale.firstScansOnly;
    return RunJpegStep(session_, ReadRows, run);
}

JpegDecode DecodeJpeg(device::HWND window, const std::u16string& path) {
    JpegDecode result;
    files::FilePtr file = files::_wfopen(path, u"rb");
    if (!file) return result;
    JpegSession session;  // destroyed before the file is closed
    DecodeRun run;
    run.session = &session;
    run.file = file.get();
    if (!RunJpegStep(session, StartDecode, run)) return result;
    if (!HasPlaceableOutput(session.cinfo)) return result;

    const JpegSize fileSize{int32_t(session.cinfo.image_width), int32_t(session.cinfo.image_height)};
    result.bitmap = CreatePictureBitmap(window, fileSize);
    if (!result.bitmap) return result;
    gdi::BITMAP made;
    gdi::GetObject(result.bitmap.get(), sizeof made, &made);
    run.pixels = static_cast<uint8_t*>(made.bmBits);
    run.width = made.bmWidth;
    run.height = made.bmHeight;
    run.stride = made.bmWidthBytes;
    result.complete = RunJpegStep(session, ReadRows, run) ? 1 : 0;
    return result;
}

int ProbeJpeg(const std::u16string& path, int32_t& width, int32_t& height, int32_t& colourSpace) {
    files::FilePtr file = files::_wfopen(path, u"rb");
    if (!file) return 0;
    JpegSession session;
    ProbeRun run{&session, file.get()};
    if (!RunJpegStep(session, ReadHeader, run)) return 0;
    width = int32_t(session.cinfo.image_width);
    height = int32_t(session.cinfo.image_height);
    colourSpace = int32_t(session.cinfo.jpeg_color_space);
    return 1;
}

}  // namespace ezo
