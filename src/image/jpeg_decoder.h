#pragma once
// JPEG files through libjpeg: decoding into the current-image slot, and
// reading the dimensions from the header. Paths are device paths.
#include <atomic>
#include <cstdint>
#include <optional>
#include <string>

#include "image/jpeg_rows.h"
#include "image/jpeg_session.h"
#include "platform/device/window_api.h"
#include "platform/files/file_io.h"
#include "platform/gdi/bitmap.h"

namespace ezo {

// A decode's result: the picture, and whether it was decoded to the end.
struct JpegDecode {
    gdi::BitmapPtr bitmap;
    int complete = 0;
};

// Decodes the file at path into a new 24-bit bottom-up blue-green-red
// bitmap; window lends its device context. When memory is short the picture
// is decoded smaller, in tenths of its size. A file whose data ends early is
// complete with the missing part mid-grey. On a library error the bitmap
// made so far comes back partly filled, and complete is 0.
JpegDecode DecodeJpeg(device::HWND window, const std::u16string& path);

// Reads only the header: the image width, height and colour-space code
// (1 grayscale, 2 RGB, 3 YCbCr, 4 CMYK, 5 YCCK, 0 unknown). Outputs are left
// untouched on failure. Returns 1 or 0.
int ProbeJpeg(const std::u16string& path, int32_t& width, int32_t& height, int32_t& colourSpace);

// The decoders a reduced decode may use: at the scale 1/8 the DC scan
// (jpeg_dc_scan.h) first, or the library alone (to compare the two).
enum class ReducedJpegPath { DcScanFirst, LibraryOnly };

// A decode for a small copy of a picture (a thumbnail): the header first,
// then the picture at the smallest of the library's scales n/8 that still
// covers the size asked for, which skips most of the work of a full decode.
// Safe on any thread; nothing of the viewer is touched.
class ReducedJpegDecode {
public:
    // Opens the file and reads its header. When cancel is given, a decode
    // ends (and fails) soon after it turns true.
    ReducedJpegDecode(const std::u16string& path, const std::atomic<bool>* cancel,
                      ReducedJpegPath decoders = ReducedJpegPath::DcScanFirst);
    ReducedJpegDecode(const ReducedJpegDecode&) = delete;
    ReducedJpegDecode& operator=(const ReducedJpegDecode&) = delete;

    // The header was read and the picture's pixels can be placed.
    bool opened() const { return opened_; }
    // The picture's size in the file.
    JpegSize fileSize() const { return fileSize_; }
    // Decodes at the chosen scale into target, a 24-bit bottom-up
    // blue-green-red bitmap that is kept when it already has the scaled size
    // (so a folder of equal pictures needs one). Missing data at the end
    // comes out grey as in DecodeJpeg. At 1/8 a plain baseline file goes
    // through the DC scan, which the library's decode follows only when the
    // scan refuses the file. False on a library error, a refused format, no
    // memory, or cancellation.
    bool Decode(JpegSize least, gdi::BitmapPtr& target);

private:
    // The DC scan's answer, or none when the library is to decode the file.
    std::optional<bool> DecodeByDcScan(gdi::Bitmap& target);

    files::FilePtr file_;  // declared first: closed after the session ends
    JpegSession session_;
    JpegSize fileSize_;
    ReducedJpegPath path_;
    bool opened_ = false;
};

}  // namespace ezo
