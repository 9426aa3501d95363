#include "image/jpeg_dc_scan.h"

#include <algorithm>
#include <memory>
#include <optional>
#include <vector>

#include "image/jpeg_bit_reader.h"
#include "image/jpeg_byte_source.h"
#include "image/jpeg_dc_header.h"
#include "image/jpeg_huffman_lookup.h"

namespace ezo {
namespace {

constexpr uint8_t kFirstRestartMarker = 0xD0;
constexpr uint8_t kEndOfImageMarker = 0xD9;
constexpr int kRestartNumbers = 8;
constexpr int kBlockSize = 8;

// The pixel of a block: the library's 1x1 inverse DCT, (dc * quant + 4) / 8
// plus 128, looked up in its range table, which clamps the ordinary range
// and wraps beyond it. Coefficients are kept as 16 bits, as there.
uint8_t PixelOfDc(int32_t prediction, uint16_t quant) {
    const int32_t dc = int16_t(prediction);
    const int32_t place = ((dc * int32_t(quant) + 4) >> 3) & 1023;
    if (place < 128) return uint8_t(place + 128);
    if (place < 512) return 255;
    if (place < 896) return 0;
    return uint8_t(place - 896);
}

// The library's YCbCr to RGB conversion (JFIF coefficients, 16-bit fixed
// point, rounded as it rounds).
class YccToRgb {
public:
    YccToRgb() {
        constexpr int64_t kHalf = int64_t(1) << 15;
        for (int i = 0; i < 256; ++i) {
            const int64_t x = i - 128;
            crRed_[i] = int32_t((91881 * x + kHalf) >> 16);   // 1.40200
            cbBlue_[i] = int32_t((116130 * x + kHalf) >> 16);  // 1.77200
            crGreen_[i] = int32_t(-46802 * x);                 // 0.71414
            cbGreen_[i] = int32_t(-22554 * x + kHalf);         // 0.34414
        }
    }
    // Writes blue, green, red.
    void Place(int y, int cb, int cr, uint8_t* bgr) const {
        bgr[0] = Clamp(y + cbBlue_[cb]);
        bgr[1] = Clamp(y + ((cbGreen_[cb] + crGreen_[cr]) >> 16));
        bgr[2] = Clamp(y + crRed_[cr]);
    }

private:
    static uint8_t Clamp(int32_t value) { return uint8_t(std::clamp(value, 0, 255)); }
    int32_t crRed_[256];
    int32_t cbBlue_[256];
    int32_t crGreen_[256];
    int32_t cbGreen_[256];
};

// One component during the scan: its tables, its DC prediction, and its
// pixels of the current row of MCUs (v rows of blocks).
struct ScanComponent {
    const HuffmanLookup* dc = nullptr;
    const HuffmanLookup* ac = nullptr;
    uint16_t quant = 0;
    int h = 1;
    int v = 1;
    int32_t prediction = 0;
    int32_t stride = 0;
    std::vector<uint8_t> pixels;
    std::vector<uint16_t> columnOf;  // the pixel column used for each output column
};

class DcScan {
public:
    DcScan(JpegByteSource& source, const DcScanHeader& header, gdi::Bitmap& target)
        : reader_(source), header_(header), target_(target) {}

    DcScanResult Run(const std::atomic<bool>* cancel) {
        if (!Prepare()) return DcScanResult::Refused;
        const int32_t mcuWidth = kBlockSize * header_.hMax;
        const int32_t mcuHeight = kBlockSize * header_.vMax;
        const int32_t mcusAcross = (header_.width + mcuWidth - 1) / mcuWidth;
        const int32_t mcusDown = (header_.height + mcuHeight - 1) / mcuHeight;
        restartsLeft_ = header_.restartInterval;
        for (int32_t row = 0; row < mcusDown; ++row) {
            if (cancel && cancel->load(std::memory_order_relaxed)) return DcScanResult::Cancelled;
            for (int32_t column = 0; column < mcusAcross; ++column) {
                if (!StartMcu()) return DcScanResult::Refused;
                DecodeMcu(column);
            }
            if (damaged_ || reader_.Overran()) return DcScanResult::Refused;
            PlaceRows(row);
        }
        return reader_.FinishSegment() == kEndOfImageMarker ? DcScanResult::Decoded : DcScanResult::Refused;
    }

private:
    // Builds the tables the scan uses and sizes the rows; false for a bogus
    // table or a target of another size.
    bool Prepare() {
        const int32_t width = (header_.width + kBlockSize - 1) / kBlockSize;
        const int32_t height = (header_.height + kBlockSize - 1) / kBlockSize;
        if (target_.width() != width || target_.height() != height || target_.bitsPerPixel() != 24) return false;
        const int32_t mcusAcross = (header_.width + kBlockSize * header_.hMax - 1) / (kBlockSize * header_.hMax);
        for (int c = 0; c < header_.componentCount; ++c) {
            const DcComponent& from = header_.components[c];
            ScanComponent& component = components_[c];
            component.dc = Lookup(dcLookups_[from.dcTable], header_.dcCodes[from.dcTable], true);
            component.ac = Lookup(acLookups_[from.acTable], header_.acCodes[from.acTable], false);
            if (!component.dc || !component.ac) return false;
            component.quant = from.dcQuant;
            component.h = from.h;
            component.v = from.v;
            component.stride = mcusAcross * from.h;
            component.pixels.assign(size_t(component.stride) * size_t(from.v), 0);
            component.columnOf.resize(size_t(width));
            for (int32_t x = 0; x < width; ++x) component.columnOf[size_t(x)] = uint16_t(x * from.h / header_.hMax);
        }
        return true;
    }

    const HuffmanLookup* Lookup(std::unique_ptr<HuffmanLookup>& slot, const JpegHuffmanCodes& codes, bool dc) {
        if (slot) return slot.get();
        slot = std::make_unique<HuffmanLookup>();
        if (BuildHuffmanLookup(codes, dc, *slot)) return slot.get();
        slot.reset();
        return nullptr;
    }

    // Takes the restart marker due before this MCU, if one is; false when
    // the data before it was short or the marker is not the expected one.
    bool StartMcu() {
        if (header_.restartInterval == 0) return true;
        if (restartsLeft_ == 0) {
            if (reader_.Overran() || reader_.FinishSegment() != kFirstRestartMarker + restartNumber_) return false;
            restartNumber_ = (restartNumber_ + 1) % kRestartNumbers;
            restartsLeft_ = header_.restartInterval;
            for (ScanComponent& component : components_) component.prediction = 0;
        }
        --restartsLeft_;
        return true;
    }

    void DecodeMcu(int32_t column) {
        for (int s = 0; s < header_.componentCount; ++s) {
            ScanComponent& component = components_[header_.scanOrder[s]];
            for (int y = 0; y < component.v; ++y) {
                uint8_t* pixel = &component.pixels[size_t(y) * size_t(component.stride) + size_t(column * component.h)];
                for (int x = 0; x < component.h; ++x) {
                    const int32_t difference = reader_.ReadBlock(*component.dc, *component.ac, damaged_);
                    component.prediction = int32_t(uint32_t(component.prediction) + uint32_t(difference));
                    pixel[x] = PixelOfDc(component.prediction, component.quant);
                }
            }
        }
    }

    // The output rows of a row of MCUs, each component's pixels repeated
    // over the output pixels they cover.
    void PlaceRows(int32_t row) {
        const int32_t width = target_.width();
        for (int line = 0; line < header_.vMax; ++line) {
            const int32_t y = row * header_.vMax + line;
            if (y >= target_.height()) return;
            uint8_t* out = target_.row(y);
            const uint8_t* luma = LineOf(components_[0], line);
            if (header_.componentCount == 1) {
                for (int32_t x = 0; x < width; ++x, out += 3) out[0] = out[1] = out[2] = luma[x];
                continue;
            }
            const uint8_t* cb = LineOf(components_[1], line);
            const uint8_t* cr = LineOf(components_[2], line);
            const uint16_t* lumaColumn = components_[0].columnOf.data();
            const uint16_t* cbColumn = components_[1].columnOf.data();
            const uint16_t* crColumn = components_[2].columnOf.data();
            for (int32_t x = 0; x < width; ++x, out += 3)
                colours_.Place(luma[lumaColumn[x]], cb[cbColumn[x]], cr[crColumn[x]], out);
        }
    }

    const uint8_t* LineOf(const ScanComponent& component, int line) const {
        return component.pixels.data() + size_t(line * component.v / header_.vMax) * size_t(component.stride);
    }

    JpegBitReader reader_;
    const DcScanHeader& header_;
    gdi::Bitmap& target_;
    std::unique_ptr<HuffmanLookup> dcLookups_[kJpegTableSlots];
    std::unique_ptr<HuffmanLookup> acLookups_[kJpegTableSlots];
    ScanComponent components_[kMaxDcComponents];
    YccToRgb colours_;
    int32_t restartsLeft_ = 0;
    int restartNumber_ = 0;
    bool damaged_ = false;  // a code no table has
};

}  // namespace

DcScanResult DecodeJpegDcScan(std::FILE* file, gdi::Bitmap& target, const std::atomic<bool>* cancel) {
    JpegByteSource source(file);
    const std::optional<DcScanHeader> header = ReadDcScanHeader(source);
    if (!header) return DcScanResult::Refused;
    return DcScan(source, *header, target).Run(cancel);
}

}  // namespace ezo
