#include "image/decoded_image.h"

#include "image/jpeg_decoder.h"
#include "image/platform_decoding.h"
#include "shell/image_kind.h"
#include "shell/program.h"

namespace ezo {

int LoadImageFile(device::HWND window, const std::u16string& path, uint32_t kind) {
    if (!IsJpegKind(kind)) return DecodeWithPlatformDecoder(window, path);
    Program& program = ProgramOf(window);
    ViewState& viewState = program.viewState;
    // The viewer never holds two pictures: the old one goes before decoding.
    viewState.currentImage.reset();
    JpegDecode decoded = DecodeJpeg(window, path);
    // A decode that fails part way still leaves what it made on view, with
    // the facts that match it.
    if (decoded.bitmap) {
        const gdi::Bitmap& made = *decoded.bitmap;
        RecordImageFacts(viewState, LargeBounds::Jpeg, made.width(), made.height());
        viewState.currentImage = std::move(decoded.bitmap);
    }
    if (!decoded.complete) return 0;
    program.fileList.scanPath = path;
    viewState.imageLoaded = 1;
    return 1;
}

int ProbeImageFile(device::HWND window, const std::u16string& path, uint32_t kind, int32_t& width,
                   int32_t& height, int32_t& third) {
    if (!IsJpegKind(kind)) return ProbeWithPlatformDecoder(path, width, height, third);
    return ProbeJpeg(path, width, height, third);
}

float ComputeFitZoom(int32_t width, int32_t height) {
    const double c220 = 1.0 / kFitBoxWidth;
    const double c280 = 1.0 / kFitBoxHeight;
    const int64_t widthTimes280 = int64_t(width) * kFitBoxHeight;
    const int64_t heightTimes220 = int64_t(height) * kFitBoxWidth;
    double zoom;
    if (double(widthTimes280) > double(heightTimes220))
        zoom = 1.0 / (width * c220);
    else
        zoom = 1.0 / (height * c280);
    return float(zoom);
}

bool IsLargeImage(LargeBounds bounds, int32_t width, int32_t height) {
    if (bounds == LargeBounds::Jpeg) return width > 660 || height > 850;
    return int64_t(width) * 280 > 184800 || int64_t(height) * 220 > 188540;
}

void RecordImageFacts(ViewState& viewState, LargeBounds bounds, int32_t width, int32_t height) {
    viewState.landscapeApplied = 0;
    if (IsLargeImage(bounds, width, height)) {
        viewState.fitZoom = ComputeFitZoom(width, height);
        viewState.isLarge = 1;
    } else {
        viewState.isLarge = 0;
    }
}

gdi::BITMAPINFO Make24BitImageInfo(int32_t width, int32_t height) {
    gdi::BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(gdi::BITMAPINFOHEADER);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = height;  // positive: bottom-up
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 24;
    info.bmiHeader.biCompression = gdi::BI_RGB;
    return info;
}

}  // namespace ezo
