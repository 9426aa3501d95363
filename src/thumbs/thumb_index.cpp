#include "thumbs/thumb_index.h"

#include <algorithm>

#include "thumbs/thumb_geometry.h"

namespace ezo {
namespace {

void PutWord(uint8_t* p, uint32_t v) {
    for (int i = 0; i < 4; ++i) p[i] = uint8_t(v >> (8 * i));
}

uint32_t GetWord(const uint8_t* p) {
    return uint32_t(p[0]) | uint32_t(p[1]) << 8 | uint32_t(p[2]) << 16 | uint32_t(p[3]) << 24;
}

}  // namespace

ThumbRecordBytes EncodeThumbRecord(const ThumbIndexRecord& record) {
    ThumbRecordBytes bytes{};
    const size_t units = std::min(record.name.size(), kThumbNameUnits - 1);
    for (size_t i = 0; i < units; ++i) {
        bytes[kThumbNameOffset + 2 * i] = uint8_t(record.name[i]);
        bytes[kThumbNameOffset + 2 * i + 1] = uint8_t(record.name[i] >> 8);
    }
    PutWord(&bytes[kThumbNumberOffset], uint32_t(record.number));
    PutWord(&bytes[kThumbSizeOffset], record.size);
    PutWord(&bytes[kThumbLeftOffset], uint32_t(record.thumbLeft));
    PutWord(&bytes[kThumbTopOffset], uint32_t(record.thumbTop));
    return bytes;
}

std::optional<ThumbIndexRecord> DecodeThumbRecord(const uint8_t* slot) {
    ThumbIndexRecord record;
    record.number = int32_t(GetWord(slot + kThumbNumberOffset));
    if (record.number < 1 || record.number > kMaxThumbnailNumber) return std::nullopt;
    for (size_t i = 0;; ++i) {
        if (i == kThumbNameUnits) return std::nullopt;  // no terminator
        const char16_t unit = char16_t(slot[kThumbNameOffset + 2 * i] | slot[kThumbNameOffset + 2 * i + 1] << 8);
        if (unit == 0) break;
        record.name.push_back(unit);
    }
    if (record.name.empty()) return std::nullopt;
    record.size = GetWord(slot + kThumbSizeOffset);
    record.thumbLeft = int32_t(GetWord(slot + kThumbLeftOffset));
    record.thumbTop = int32_t(GetWord(slot + kThumbTopOffset));
    // Offsets outside the box would draw the thumbnail over its neighbours.
    if (record.thumbLeft < 0 || record.thumbLeft > kThumbBoxWidth || record.thumbTop < 0 ||
        record.thumbTop > kThumbBoxHeight)
        return std::nullopt;
    return record;
}

void ReadThumbIndex(std::FILE* file, ThumbnailStore& store) {
    if (std::fseek(file, 0, SEEK_SET) != 0) return;
    ThumbRecordBytes slot;
    for (int32_t i = 0; i <= kMaxThumbnailNumber; ++i) {
        if (std::fread(slot.data(), 1, slot.size(), file) != slot.size()) return;
        if (i == 0) continue;
        std::optional<ThumbIndexRecord> record = DecodeThumbRecord(slot.data());
        if (!record) continue;
        if (record->number >= store.highestNumber) store.highestNumber = record->number;
        store.records.push_back(std::move(*record));
    }
}

}  // namespace ezo
