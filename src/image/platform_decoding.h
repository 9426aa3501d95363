#pragma once
// BMP and GIF pictures, and the thumbnail store's JPEG files, through the
// platform image decoder: loading into the current-image slot, decoding into
// a bitmap the caller owns, and probing the dimensions. The results have the
// display's depth (16 bits, 5-5-5).
#include <atomic>
#include <cstdint>
#include <string>

#include "platform/device/window_api.h"
#include "platform/gdi/bitmap.h"

namespace ezo {

// Loads the file into the current-image slot of window's program. A file
// that cannot be opened leaves the slot as it was; once it is open the old
// picture goes before the decode, so a decode that fails leaves none. On
// success scanPath is path, imageLoaded is 1 and the picture's facts are
// recorded with the BMP/GIF bounds. Returns 1 or 0.
int DecodeWithPlatformDecoder(device::HWND window, const std::u16string& path);

// Decodes the file into a new bitmap owned by the caller, or null. Touches
// no window and no program state, so the thumbnail pass may call it from its
// own thread; a true cancel makes a decode in progress give up. The store's
// thumbnail files are read strictly: one cut short or damaged gives null.
gdi::BitmapPtr DecodeToNewBitmap(const std::u16string& path, const std::atomic<bool>* cancel = nullptr);

// Decodes the file in full to learn its width, height and bits per pixel;
// the picture on view is not touched. Outputs are left alone on failure.
// Returns 1 or 0.
int ProbeWithPlatformDecoder(const std::u16string& path, int32_t& width, int32_t& height, int32_t& bits);

}  // namespace ezo
