#pragma once
// The bytes of "index.tmb": slot n (bytes n * 540 to n * 540 + 539) holds the
// record of thumbnail number n, little-endian: a link word of no meaning on
// disk (written 0), the name as 260 UTF-16 code units ending in a zero, then
// number, size, thumbLeft and thumbTop as 32-bit words. Slot 0 never holds a
// record; a trailing part shorter than a slot is not one.
#include <array>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <optional>

#include "shell/thumbnail_store_state.h"

namespace ezo {

constexpr size_t kThumbRecordSize = 540;
constexpr size_t kThumbNameUnits = 260;
constexpr size_t kThumbNameOffset = 4;
constexpr size_t kThumbNumberOffset = 524;
constexpr size_t kThumbSizeOffset = 528;
constexpr size_t kThumbLeftOffset = 532;
constexpr size_t kThumbTopOffset = 536;

// Numbers above this are neither given out nor read: a damaged record with a
// huge number would otherwise send the next write to a far offset (and the
// number after it past 32 bits). It also bounds how much of an index is read.
constexpr int32_t kMaxThumbnailNumber = 100000;

using ThumbRecordBytes = std::array<uint8_t, kThumbRecordSize>;

// A name longer than 259 code units is cut there.
ThumbRecordBytes EncodeThumbRecord(const ThumbIndexRecord& record);
// None for a slot that cannot be a record: an empty name, a name without its
// terminator, a number outside 1 .. kMaxThumbnailNumber, offsets outside
// the 64 x 60 box.
std::optional<ThumbIndexRecord> DecodeThumbRecord(const uint8_t* slot);

// Reads the index from the start of file: every record after slot 0 is added
// to store.records, and highestNumber rises to the highest number read.
void ReadThumbIndex(std::FILE* file, ThumbnailStore& store);

}  // namespace ezo
