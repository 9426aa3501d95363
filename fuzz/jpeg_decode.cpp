// Feeds arbitrary bytes to the JPEG loader as a file, with a small memory
// budget, and checks that a complete decode gives a sound picture no larger
// than the header says, and that nothing is left allocated afterwards.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

#include <unistd.h>

#include "image/decoded_image.h"
#include "image/jpeg_decoder.h"
#include "shell/image_kind.h"
#include "platform/files/device_paths.h"
#include "platform/gdi/memory_budget.h"

namespace {

// One temporary folder as the device root for the whole run.
const std::string& Folder() {
    static const std::string folder = [] {
        std::string pattern = (std::filesystem::temp_directory_path() / "ezo-fuzz-jpeg-XXXXXX").string();
        if (!mkdtemp(pattern.data())) std::abort();
        files::SetDeviceRoot(pattern);
        return pattern;
    }();
    return folder;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string host = Folder() + "/input.jpg";
    std::FILE* file = std::fopen(host.c_str(), "wb");
    if (!file) std::abort();
    if (size) std::fwrite(data, 1, size, file);
    std::fclose(file);

    gdi::ScopedMemoryBudget budget(16u << 20);
    {
        const ezo::JpegDecode decoded = ezo::DecodeJpeg(nullptr, u"\\input.jpg");
        if (decoded.complete) {
            const gdi::Bitmap* image = decoded.bitmap.get();
            if (!image || image->width() <= 0 || image->height() <= 0 || image->bitsPerPixel() != 24) std::abort();
            int32_t width = 0, height = 0, space = 0;
            if (!ezo::ProbeImageFile(nullptr, u"\\input.jpg", ezo::Jpg, width, height, space)) std::abort();
            if (image->width() > width || image->height() > height) std::abort();
        }
    }
    if (gdi::MemoryInUse() != 0) std::abort();
    return 0;
}
