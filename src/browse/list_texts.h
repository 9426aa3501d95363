#pragma once
// The short texts of the file list's Size and Date columns.
#include <cstdint>
#include <string>

namespace ezo {

// "%dK" up to 1,024,000 bytes (at least 1K), "%dM" above, in units of
// 1,024,000 bytes.
std::u16string FormatSizeShort(uint64_t size);

// "year/month/day" of a UTC file time in the local time zone, without
// leading zeros; empty when the time cannot be converted.
std::u16string FormatDateShort(uint64_t modified);

}  // namespace ezo
