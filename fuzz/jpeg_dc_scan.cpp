// Feeds arbitrary bytes to the DC scan and to the thumbnail decode at 1/8
// (where the DC scan takes plain baseline files and hands the rest to the
// library), with a small memory budget. The scan alone gets a target of the
// size its own header reader finds, so its data walk runs on whatever the
// library would refuse too. Checks that a decode has the size the header
// gives divided by 8, and that nothing is left allocated afterwards.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <optional>

#include "device_input.h"

#include "image/decoded_image.h"
#include "image/jpeg_byte_source.h"
#include "image/jpeg_dc_header.h"
#include "image/jpeg_dc_scan.h"
#include "image/jpeg_decoder.h"
#include "platform/gdi/memory_budget.h"

namespace {

int32_t Eighth(int32_t size) { return (size + 7) / 8; }

void ScanAlone(const uint8_t* data, size_t size) {
    std::FILE* file = size ? fmemopen(const_cast<uint8_t*>(data), size, "rb") : nullptr;
    if (!file) return;
    std::optional<ezo::DcScanHeader> header;
    {
        ezo::JpegByteSource source(file);
        header = ezo::ReadDcScanHeader(source);
    }
    if (header) {
        const gdi::BITMAPINFO info = ezo::Make24BitImageInfo(Eighth(header->width), Eighth(header->height));
        void* bits = nullptr;
        gdi::BitmapPtr target = gdi::CreateDIBSection(nullptr, &info, gdi::DIB_RGB_COLORS, &bits);
        if (target && std::fseek(file, 0, SEEK_SET) == 0) ezo::DecodeJpegDcScan(file, *target, nullptr);
    }
    std::fclose(file);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    fuzz::WriteDeviceInput("input.jpg", data, size);

    gdi::ScopedMemoryBudget budget(16u << 20);
    ScanAlone(data, size);
    {
        ezo::ReducedJpegDecode decode(u"\\input.jpg", nullptr);
        gdi::BitmapPtr reduced;
        if (decode.opened() && decode.Decode({1, 1}, reduced)) {
            const ezo::JpegSize file = decode.fileSize();
            if (!reduced || reduced->width() != Eighth(file.width) || reduced->height() != Eighth(file.height) ||
                reduced->bitsPerPixel() != 24)
                std::abort();
        }
    }
    if (gdi::MemoryInUse() != 0) std::abort();
    return 0;
}
