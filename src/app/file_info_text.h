#pragma once
// The texts of the File Info dialog, apart from the dialog so that they are
// checked without a screen. Each call returns a new string.
#include <cstdint>
#include <string>

namespace ezo {

// The decimal digits of number grouped in threes from the right with ","
// between the groups: 1234567 gives "1,234,567". Every 64-bit size fits.
std::u16string FormatThousands(uint64_t number);

// "AM" or "PM", the hour on the 12-hour clock, minute and second, without
// leading zeros: 21:05:07 gives "PM 9:5:7". Midnight's hour is written 0
// ("AM 0:30:0"), noon's 12 with "PM" ("PM 12:0:0").
std::u16string FormatClockTime(int hour, int minute, int second);

// The date and time lines' texts of a UTC file time in local time:
// "year-month-day" and the clock text above. Both empty when the time
// cannot be converted.
struct FileTimeTexts {
    std::u16string date;
    std::u16string time;
};
FileTimeTexts FormatFileTime(uint64_t modified);

// The six lines the dialog shows, in the order of its controls' ids.
struct FileInfoLines {
    std::u16string name;        // "FileName: Sea"
    std::u16string format;      // "Format: JPEG Image"
    std::u16string size;        // "Size: 1,234,567 bytes"
    std::u16string dimensions;  // "Dimensions: 640(W) * 480(H)"
    std::u16string date;        // "Date: 2002-11-1"
    std::u16string time;        // "Time: PM 2:3:9"
};
// From the file's name without folder and extension, its ImageKind, size,
// picture size and time texts.
FileInfoLines MakeFileInfoLines(const std::u16string& shortName, uint32_t kind, uint64_t size, int32_t width,
                                int32_t height, const FileTimeTexts& time);

}  // namespace ezo
