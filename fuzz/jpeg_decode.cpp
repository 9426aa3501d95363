// Feeds arbitrary bytes to the JPEG loader as a file, with a small memory
// budget, and checks that a complete decode gives a sound picture no larger
// than the header says, and that nothing is left allocated afterwards.
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "device_input.h"

#include "image/decoded_image.h"
#include "image/jpeg_decoder.h"
#include "shell/image_kind.h"
#include "platform/gdi/memory_budget.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    fuzz::WriteDeviceInput("input.jpg", data, size);

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
