#pragma once
// The current picture: loading a file into the current-image slot of the
// view's state, the facts recorded with it (large or not, the zoom that fits
// it), and the probe that reads a picture's dimensions.
//
// A decoded picture is nothing but its bitmap: width, height, depth, stride
// and pixels are read back from the bitmap (gdi::GetObject), never stored
// beside it. JPEG and turned pictures are 24 bits per pixel, bottom-up,
// blue-green-red, rows padded to 4 bytes.
#include <cstdint>
#include <string>

#include "platform/device/window_api.h"
#include "platform/gdi/types.h"
#include "shell/view_state.h"

namespace ezo {

// The box a large picture is fitted into.
constexpr int32_t kFitBoxWidth = 220;
constexpr int32_t kFitBoxHeight = 280;

// Loads the file at path into the current-image slot with the decoder that
// kind (an ImageKind) names. window lends its device context for the decode.
// On success the slot holds the new picture, scanPath is path and
// imageLoaded is 1. Returns 1 on success, 0 on failure.
int LoadImageFile(device::HWND window, const std::u16string& path, uint32_t kind);

// Fills the picture's width and height, and third: the JPEG colour-space
// code for JPEG files, the bits per pixel for BMP and GIF. Outputs are left
// untouched on failure. Returns 1 or 0.
int ProbeImageFile(device::HWND window, const std::u16string& path, uint32_t kind, int32_t& width,
                   int32_t& height, int32_t& third);

// The zoom at which a width x height picture fits the 220 x 280 box.
float ComputeFitZoom(int32_t width, int32_t height);

// JPEG pictures are large past 660 x 850; BMP and GIF past 660 x 857 (the
// bounds are stated as width * 280 > 184800 or height * 220 > 188540).
enum class LargeBounds { Jpeg, Platform };
bool IsLargeImage(LargeBounds bounds, int32_t width, int32_t height);

// Records the facts of a bitmap just put into the slot: not turned for
// landscape, whether it is large and, if so, the zoom that fits it (fitZoom
// keeps its old value otherwise).
void RecordImageFacts(ViewState& viewState, LargeBounds bounds, int32_t width, int32_t height);

// The header of a 24-bit bottom-up picture of width x height: what the JPEG
// decoder and the turns create their bitmaps from.
gdi::BITMAPINFO Make24BitImageInfo(int32_t width, int32_t height);

}  // namespace ezo
