#include "app/file_info_text.h"

#include <string>

#include "platform/files/file_time.h"
#include "shell/image_kind.h"

namespace ezo {
namespace {

std::u16string Widen(const std::string& text) { return std::u16string(text.begin(), text.end()); }

std::u16string Number(int64_t n) { return Widen(std::to_string(n)); }

}  // namespace

std::u16string FormatThousands(uint64_t number) {
    const std::string digits = std::to_string(number);
    std::u16string grouped;
    for (size_t i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0) grouped += u',';
        grouped += char16_t(digits[i]);
    }
    return grouped;
}

std::u16string FormatClockTime(int hour, int minute, int second) {
    // Noon belongs to the afternoon; 13 to 23 are written less 12.
    const bool afternoon = hour >= 12;
    const int shown = hour > 12 ? hour - 12 : hour;
    return (afternoon ? u"PM " : u"AM ") + Number(shown) + u":" + Number(minute) + u":" + Number(second);
}

FileTimeTexts FormatFileTime(uint64_t modified) {
    const files::FILETIME utc = files::FileTimeFromTicks(modified);
    files::FILETIME local;
    files::SYSTEMTIME t;
    if (!files::FileTimeToLocalFileTime(&utc, &local) || !files::FileTimeToSystemTime(&local, &t)) return {};
    return {Number(t.wYear) + u"-" + Number(t.wMonth) + u"-" + Number(t.wDay),
            FormatClockTime(t.wHour, t.wMinute, t.wSecond)};
}

FileInfoLines MakeFileInfoLines(const std::u16string& shortName, uint32_t kind, uint64_t size, int32_t width,
                                int32_t height, const FileTimeTexts& time) {
    const char16_t* format = kind == Bmp ? u"BMP" : kind == Gif ? u"GIF" : u"JPEG";
    return {u"FileName: " + shortName,
            u"Format: " + std::u16string(format) + u" Image",
            u"Size: " + FormatThousands(size) + u" bytes",
            u"Dimensions: " + Number(width) + u"(W) * " + Number(height) + u"(H)",
            u"Date: " + time.date,
            u"Time: " + time.time};
}

}  // namespace ezo
