// Feeds arbitrary bytes to the platform image decoder as a file, with a
// small memory budget, and checks that a picture it gives is within the
// side limit and the budget, and that nothing is left allocated afterwards.
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "device_input.h"

#include "platform/gdi/memory_budget.h"
#include "platform/imgdecode/image_decoder.h"

namespace {

constexpr uint64_t kBudget = 8u << 20;

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    fuzz::WriteDeviceInput("input.bmp", data, size);

    gdi::ScopedMemoryBudget budget(kBudget);
    {
        const gdi::BitmapPtr image = imgdecode::DecodeImageFile(u"\\input.bmp", 16);
        if (image) {
            if (image->width() <= 0 || image->height() <= 0 || image->bitsPerPixel() != 16) std::abort();
            if (image->width() > imgdecode::kMaxPictureSide || image->height() > imgdecode::kMaxPictureSide)
                std::abort();
            if (image->byteSize() > kBudget) std::abort();
        }
    }
    if (gdi::MemoryInUse() != 0) std::abort();
    return 0;
}
