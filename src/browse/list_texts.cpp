#include "browse/list_texts.h"

#include <algorithm>
#include <cstdio>

#include "platform/files/file_time.h"

namespace ezo {

namespace {

std::u16string Widen(const char* text) {
    std::u16string wide;
    for (; *text; ++text) wide.push_back(char16_t(static_cast<unsigned char>(*text)));
    return wide;
}

constexpr uint32_t kKilo = 1024;
constexpr uint32_t kMega = 1'024'000;  // the column's own megabyte

}  // namespace

std::u16string FormatSizeShort(uint64_t size) {
    char text[16];
    if (size <= kMega) {
        std::snprintf(text, sizeof text, "%lluK", static_cast<unsigned long long>(std::max<uint64_t>(size / kKilo, 1)));
    } else {
        std::snprintf(text, sizeof text, "%lluM", static_cast<unsigned long long>(size / kMega));
    }
    return Widen(text);
}

std::u16string FormatDateShort(uint64_t modified) {
    const files::FILETIME utc = files::FileTimeFromTicks(modified);
    files::FILETIME local;
    files::SYSTEMTIME fields;
    if (!files::FileTimeToLocalFileTime(&utc, &local) ||
        !files::FileTimeToSystemTime(&local, &fields)) {
        return u"";
    }
    char text[32];
    std::snprintf(text, sizeof text, "%d/%d/%d", fields.wYear, fields.wMonth, fields.wDay);
    return Widen(text);
}

}  // namespace ezo
