// Feeds arbitrary bytes to the platform image decoder as a file, with a
// small memory budget, and checks that a picture it gives is within the
// side limit and the budget, and that nothing is left allocated afterwards.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

#include <unistd.h>

#include "platform/files/device_paths.h"
#include "platform/gdi/memory_budget.h"
#include "platform/imgdecode/image_decoder.h"

namespace {

constexpr uint64_t kBudget = 8u << 20;

// One temporary folder as the device root for the whole run.
const std::string& Folder() {
    static const std::string folder = [] {
        std::string pattern = (std::filesystem::temp_directory_path() / "ezo-fuzz-image-XXXXXX").string();
        if (!mkdtemp(pattern.data())) std::abort();
        files::SetDeviceRoot(pattern);
        return pattern;
    }();
    return folder;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string host = Folder() + "/input.bmp";
    std::FILE* file = std::fopen(host.c_str(), "wb");
    if (!file) std::abort();
    if (size) std::fwrite(data, 1, size, file);
    std::fclose(file);

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
