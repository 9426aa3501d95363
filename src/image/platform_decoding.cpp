#include "image/platform_decoding.h"

#include "image/decoded_image.h"
#include "platform/gdi/device_context.h"
#include "platform/imgdecode/image_decoder.h"
#include "shell/program.h"

namespace ezo {
namespace {

// The screen's depth. Read from the screen rather than a window's context,
// which only the UI thread may borrow.
int32_t DisplayBitsPerPixel() { return gdi::GetDeviceCaps(nullptr, gdi::BITSPIXEL); }

}  // namespace

int DecodeWithPlatformDecoder(device::HWND window, const std::u16string& path) {
    const files::FileHandle file = imgdecode::OpenPictureFile(path);
    if (!file.valid()) return 0;
    Program& program = ProgramOf(window);
    ViewState& viewState = program.viewState;
    viewState.currentImage.reset();
    gdi::BitmapPtr bitmap = imgdecode::DecodePicture(file, DisplayBitsPerPixel());
    if (!bitmap) return 0;
    program.fileList.scanPath = path;
    viewState.imageLoaded = 1;
    RecordImageFacts(viewState, LargeBounds::Platform, bitmap->width(), bitmap->height());
    viewState.currentImage = std::move(bitmap);
    return 1;
}

gdi::BitmapPtr DecodeToNewBitmap(const std::u16string& path, const std::atomic<bool>* cancel) {
    return imgdecode::DecodeImageFile(path, DisplayBitsPerPixel(), cancel);
}

int ProbeWithPlatformDecoder(const std::u16string& path, int32_t& width, int32_t& height, int32_t& bits) {
    const gdi::BitmapPtr bitmap = DecodeToNewBitmap(path);
    if (!bitmap) return 0;
    width = bitmap->width();
    height = bitmap->height();
    bits = bitmap->bitsPerPixel();
    return 1;
}

}  // namespace ezo
