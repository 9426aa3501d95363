#include "image/jpeg_session.h"

#include <climits>
#include <cstring>

#include "platform/gdi/memory_budget.h"

namespace ezo {
namespace {

// The library's longest message, including its terminator.
constexpr int kMessageBufferLength = 200;

JpegErrorManager* ErrorManagerOf(j_common_ptr cinfo) {
    return reinterpret_cast<JpegErrorManager*>(cinfo->err);
}

// Formats the message as the library asks, discards it (failures are silent)
// and goes back to the recovery point.
void ExitOnError(j_common_ptr cinfo) {
    char message[kMessageBufferLength];
    (*cinfo->err->format_message)(cinfo, message);
    std::longjmp(ErrorManagerOf(cinfo)->recovery, 1);
}

bool IsRestartMarker(int marker) { return marker >= 0xD0 && marker <= 0xD7; }

// Warnings are not shown. Those that mean no more data will come for the
// scan are noted: the end of the file, or a marker inside the data that is
// not a restart the decoder can pick up again at.
void WatchMessage(j_common_ptr cinfo, int level) {
    if (level >= 0) return;  // trace messages
    cinfo->err->num_warnings++;
    const int code = cinfo->err->msg_code;
    if (code != JWRN_JPEG_EOF && code != JWRN_HIT_MARKER && code != JWRN_MUST_RESYNC) return;
    if (!cinfo->is_decompressor) return;
    const auto* decompress = reinterpret_cast<j_decompress_ptr>(cinfo);
    const bool canResync = decompress->restart_interval != 0 && IsRestartMarker(decompress->unread_marker);
    if (code == JWRN_JPEG_EOF || !canResync) ErrorManagerOf(cinfo)->dataEnded = 1;
}

bool Cancelled(j_common_ptr cinfo) {
    const std::atomic<bool>* cancel = ErrorManagerOf(cinfo)->cancel;
    return cancel && cancel->load(std::memory_order_relaxed);
}

// Called by the library between rows of input and output; refuses endless
// scan lists, and ends a decode whose caller has given up on it.
void LimitScans(j_common_ptr cinfo) {
    if (!cinfo->is_decompressor) return;
    if (reinterpret_cast<j_decompress_ptr>(cinfo)->input_scan_number <= kMaxJpegScans && !Cancelled(cinfo))
        return;
    cinfo->err->msg_code = JMSG_NOMESSAGE;
    (*cinfo->err->error_exit)(cinfo);
}

// The compressed data is read in blocks this large. The library decodes a
// block of the picture on its fast path only while the buffer holds a few
// kilobytes (3 KiB for 4:2:0): with the stdio source's 4 KiB buffer most of
// a file went through the slow path.
constexpr size_t kSourceBufferBytes = size_t(64) << 10;

// A file source like the library's stdio source, with a larger buffer.
struct FileSource {
    jpeg_source_mgr pub;
    std::FILE* file;
    JOCTET* buffer;
    boolean startOfFile;
};

FileSource* SourceOf(j_decompress_ptr cinfo) { return reinterpret_cast<FileSource*>(cinfo->src); }

void InitSource(j_decompress_ptr cinfo) { SourceOf(cinfo)->startOfFile = TRUE; }

// As the library's own: an empty file is an error; a file that ends early
// gets a warning and an end-of-image marker, so the decode can finish.
boolean FillInputBuffer(j_decompress_ptr cinfo) {
    FileSource* source = SourceOf(cinfo);
    size_t bytes = std::fread(source->buffer, 1, kSourceBufferBytes, source->file);
    if (bytes == 0) {
        if (source->startOfFile) ERREXIT(cinfo, JERR_INPUT_EMPTY);
        WARNMS(cinfo, JWRN_JPEG_EOF);
        source->buffer[0] = JOCTET(0xFF);
        source->buffer[1] = JOCTET(JPEG_EOI);
        bytes = 2;
    }
    source->pub.next_input_byte = source->buffer;
    source->pub.bytes_in_buffer = bytes;
    source->startOfFile = FALSE;
    return TRUE;
}

void SkipInputData(j_decompress_ptr cinfo, long count) {
    if (count <= 0) return;
    jpeg_source_mgr& pub = SourceOf(cinfo)->pub;
    while (count > long(pub.bytes_in_buffer)) {
        count -= long(pub.bytes_in_buffer);
        (*pub.fill_input_buffer)(cinfo);
    }
    pub.next_input_byte += count;
    pub.bytes_in_buffer -= size_t(count);
}

void TermSource(j_decompress_ptr) {}

void AttachFileSource(j_decompress_ptr cinfo, std::FILE* file) {
    const j_common_ptr common = reinterpret_cast<j_common_ptr>(cinfo);
    auto* source = static_cast<FileSource*>((*cinfo->mem->alloc_small)(common, JPOOL_PERMANENT, sizeof(FileSource)));
    source->buffer = static_cast<JOCTET*>((*cinfo->mem->alloc_small)(common, JPOOL_PERMANENT, kSourceBufferBytes));
    source->file = file;
    source->pub.init_source = InitSource;
    source->pub.fill_input_buffer = FillInputBuffer;
    source->pub.skip_input_data = SkipInputData;
    source->pub.resync_to_restart = jpeg_resync_to_restart;
    source->pub.term_source = TermSource;
    source->pub.bytes_in_buffer = 0;
    source->pub.next_input_byte = nullptr;
    cinfo->src = &source->pub;
}

}  // namespace

JpegSession::JpegSession() {
    std::memset(&cinfo, 0, sizeof cinfo);
    std::memset(&error, 0, sizeof error);
    std::memset(&progress, 0, sizeof progress);
    cinfo.err = jpeg_std_error(&error.pub);
    error.pub.error_exit = ExitOnError;
    error.pub.emit_message = WatchMessage;
    progress.progress_monitor = LimitScans;
}

JpegSession::~JpegSession() {
    if (cinfo.mem) jpeg_destroy_decompress(&cinfo);
}

void OpenJpegSource(JpegSession& session, std::FILE* file) {
    jpeg_decompress_struct& cinfo = session.cinfo;
    jpeg_create_decompress(&cinfo);
    // Creation clears everything but the error manager.
    cinfo.progress = &session.progress;
    // The library's buffers are not bitmaps and do not count against the
    // budget, but a file may not make it take more than the budget has free
    // (0 would mean no limit).
    const uint64_t available = gdi::MemoryAvailable();
    const uint64_t limit = available > uint64_t(LONG_MAX) ? uint64_t(LONG_MAX) : available;
    cinfo.mem->max_memory_to_use = limit > 0 ? long(limit) : 1;
    AttachFileSource(&cinfo, file);
    jpeg_read_header(&cinfo, TRUE);
}

}  // namespace ezo
