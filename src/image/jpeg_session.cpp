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
    jpeg_stdio_src(&cinfo, file);
    jpeg_read_header(&cinfo, TRUE);
}

}  // namespace ezo
