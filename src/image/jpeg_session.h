#pragma once
// One libjpeg decompression object with the program's error handling: the
// standard error manager followed by a recovery point that the error exit
// jumps back to, warnings kept quiet but watched for the end of the data,
// and a limit on the number of scans of a progressive file.
#include <atomic>
#include <csetjmp>
#include <cstdio>

#include <jpeglib.h>
#include <jerror.h>

namespace ezo {

// The error exit finds the recovery point directly behind the standard
// error manager it is handed.
struct JpegErrorManager {
    jpeg_error_mgr pub;
    std::jmp_buf recovery;
    // Set by a warning that says the compressed data has run out (the end
    // of the file, or a marker no restart can recover from): from then on
    // the library only makes up grey rows.
    int dataEnded;
    // When set, a decode ends with an error as soon as this turns true (a
    // thumbnail pass being stopped); it is looked at between rows.
    const std::atomic<bool>* cancel;
};

// Progressive files with more scans than this are refused: every scan walks
// the whole coefficient buffer, so a small hostile file of many empty scans
// could otherwise keep the decoder busy for minutes.
constexpr int kMaxJpegScans = 500;

class JpegSession {
public:
    JpegSession();
    ~JpegSession();  // destroys the decompression object, if it was created
    JpegSession(const JpegSession&) = delete;
    JpegSession& operator=(const JpegSession&) = delete;

    jpeg_decompress_struct cinfo;
    JpegErrorManager error;
    jpeg_progress_mgr progress;
};

// Creates the decompression object, attaches the file as its source (read in
// 64 KiB blocks), bounds the library's own memory by what the memory budget
// has free, and reads the header (an image is required). Library errors jump
// out of here.
void OpenJpegSource(JpegSession& session, std::FILE* file);

// Runs step(context) under the recovery point; false when the library
// reported an error. A longjmp skips destructors, so this frame holds no
// objects, and a step may not hold any with a destructor across a library
// call either.
template <typename Context>
bool RunJpegStep(JpegSession& session, void (*step)(Context&), Context& context) {
    if (setjmp(session.error.recovery) != 0) return false;
    step(context);
    return true;
}

}  // namespace ezo
