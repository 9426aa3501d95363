#include "platform/imgdecode/strict_jpeg.h"

#include <climits>
#include <csetjmp>
#include <cstdio>
#include <cstring>

#include <jpeglib.h>
#include <jerror.h>

#include "platform/gdi/memory_budget.h"
#include "platform/imgdecode/bitmap_rows.h"

namespace imgdecode {
namespace {

// Progressive files with more scans than this are refused: each scan walks
// the whole picture, so many empty scans would keep a decode busy.
constexpr int kMaxScans = 100;

// Everything a decode touches, plain data in DecodeStrictJpeg's frame so
// that the error exit may jump out of any step.
struct StrictRun {
    jpeg_decompress_struct cinfo;
    jpeg_error_mgr error;
    std::jmp_buf recovery;
    jpeg_source_mgr source;
    jpeg_progress_mgr progress;
    FileChunkDevice* device;
    gdi::Bitmap* bitmap;
};

StrictRun* RunOf(j_common_ptr cinfo) {
    // The decompression object is the first member.
    return reinterpret_cast<StrictRun*>(cinfo);
}

void ExitOnError(j_common_ptr cinfo) { std::longjmp(RunOf(cinfo)->recovery, 1); }

// A warning means damaged data that the library would patch over: refused.
void RefuseWarnings(j_common_ptr cinfo, int level) {
    if (level < 0) ExitOnError(cinfo);
}

void LimitScans(j_common_ptr cinfo) {
    if (reinterpret_cast<j_decompress_ptr>(cinfo)->input_scan_number > kMaxScans) ExitOnError(cinfo);
}

void InitSource(j_decompress_ptr) {}
void TermSource(j_decompress_ptr) {}

// The next chunk of the file; the end of the file inside the picture is an
// error (no end-of-image marker is made up).
boolean FillInput(j_decompress_ptr cinfo) {
    uint32_t size = 0;
    const uint8_t* data = RunOf(reinterpret_cast<j_common_ptr>(cinfo))->device->TakeChunk(&size);
    if (size == 0) ERREXIT(cinfo, JERR_INPUT_EOF);
    cinfo->src->next_input_byte = data;
    cinfo->src->bytes_in_buffer = size;
    return TRUE;
}

void SkipInput(j_decompress_ptr cinfo, long count) {
    if (count <= 0) return;
    jpeg_source_mgr& source = *cinfo->src;
    while (size_t(count) > source.bytes_in_buffer) {
        count -= long(source.bytes_in_buffer);
        FillInput(cinfo);
    }
    source.next_input_byte += count;
    source.bytes_in_buffer -= size_t(count);
}

// The library's own buffers may not take more than the budget has free
// (0 would mean no limit).
void LimitLibraryMemory(jpeg_decompress_struct& cinfo) {
    const uint64_t available = gdi::MemoryAvailable();
    const uint64_t limit = available > uint64_t(LONG_MAX) ? uint64_t(LONG_MAX) : available;
    cinfo.mem->max_memory_to_use = limit == 0 ? 1 : long(limit);
}

void ReadHeader(StrictRun& run) {
    jpeg_decompress_struct& cinfo = run.cinfo;
    jpeg_create_decompress(&cinfo);
    cinfo.progress = &run.progress;
    LimitLibraryMemory(cinfo);
    cinfo.src = &run.source;
    jpeg_read_header(&cinfo, TRUE);
}

bool HasRgbOutput(const jpeg_decompress_struct& cinfo) {
    switch (cinfo.jpeg_color_space) {
    case JCS_GRAYSCALE:
    case JCS_RGB:
    case JCS_YCbCr: return true;
    default: return false;
    }
}

void StartDecode(StrictRun& run) {
    run.cinfo.out_color_space = JCS_RGB;
    LimitLibraryMemory(run.cinfo);  // what the bitmap left
    jpeg_start_decompress(&run.cinfo);
}

void ReadRows(StrictRun& run) {
    jpeg_decompress_struct& cinfo = run.cinfo;
    JSAMPARRAY row = (*cinfo.mem->alloc_sarray)(reinterpret_cast<j_common_ptr>(&cinfo), JPOOL_IMAGE,
                                                cinfo.output_width * 3, 1);
    while (cinfo.output_scanline < cinfo.output_height) {
        const int32_t y = int32_t(cinfo.output_scanline);
        if (jpeg_read_scanlines(&cinfo, row, 1) != 1) ExitOnError(reinterpret_cast<j_common_ptr>(&cinfo));
        WriteRgbRow(*run.bitmap, y, row[0]);
    }
    // Reads up to the end-of-image marker, so damage after the last row
    // is refused too.
    jpeg_finish_decompress(&cinfo);
}

// Runs step under the recovery point; false when the library gave up.
bool RunStep(StrictRun& run, void (*step)(StrictRun&)) {
    if (setjmp(run.recovery) != 0) return false;
    step(run);
    return true;
}

class RunOwner {
public:
    explicit RunOwner(FileChunkDevice& device) {
        std::memset(&run, 0, sizeof run);
        run.cinfo.err = jpeg_std_error(&run.error);
        run.error.error_exit = ExitOnError;
        run.error.emit_message = RefuseWarnings;
        run.progress.progress_monitor = LimitScans;
        run.source.init_source = InitSource;
        run.source.fill_input_buffer = FillInput;
        run.source.skip_input_data = SkipInput;
        run.source.resync_to_restart = jpeg_resync_to_restart;
        run.source.term_source = TermSource;
        run.device = &device;
    }
    ~RunOwner() {
        if (run.cinfo.mem) jpeg_destroy_decompress(&run.cinfo);
    }
    RunOwner(const RunOwner&) = delete;
    RunOwner& operator=(const RunOwner&) = delete;
    StrictRun run;
};

}  // namespace

bool LooksLikeJpeg(const uint8_t* head, size_t size) { return size >= 3 && head[0] == 0xFF && head[1] == 0xD8 && head[2] == 0xFF; }

gdi::BitmapPtr DecodeStrictJpeg(FileChunkDevice& device, int32_t bitsPerPixel, int32_t maxSide) {
    if (!IsDecodableDepth(bitsPerPixel)) return nullptr;
    RunOwner owner(device);
    StrictRun& run = owner.run;
    if (!RunStep(run, ReadHeader) || !HasRgbOutput(run.cinfo)) return nullptr;
    const JDIMENSION width = run.cinfo.image_width, height = run.cinfo.image_height;
    if (width > JDIMENSION(maxSide) || height > JDIMENSION(maxSide)) return nullptr;
    gdi::BitmapPtr bitmap = CreatePictureBitmap(int32_t(width), int32_t(height), bitsPerPixel);
    if (!bitmap) return nullptr;
    run.bitmap = bitmap.get();
    if (!RunStep(run, StartDecode) || !RunStep(run, ReadRows)) return nullptr;
    return bitmap;
}

}  // namespace imgdecode
