#include "platform/files/file_time.h"

#include <limits>

namespace files {

namespace {

// Days since 1970-01-01 to a proleptic Gregorian date (Howard Hinnant's
// civil-from-days).
void CivilFromDays(int64_t days, int64_t& year, unsigned& month, unsigned& day) {
    days += 719468;
    const int64_t era = (days >= 0 ? days : days - 146096) / 146097;
    const unsigned dayOfEra = unsigned(days - era * 146097);
    const unsigned yearOfEra =
        (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
    const unsigned dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
    const unsigned shiftedMonth = (5 * dayOfYear + 2) / 153;
    day = dayOfYear - (153 * shiftedMonth + 2) / 5 + 1;
    month = shiftedMonth < 10 ? shiftedMonth + 3 : shiftedMonth - 9;
    year = int64_t(yearOfEra) + era * 400 + (month <= 2 ? 1 : 0);
}

int64_t FloorDiv(int64_t a, int64_t b) { return a / b - ((a % b != 0) && ((a < 0) != (b < 0))); }

}  // namespace

FILETIME FileTimeFromUnix(int64_t seconds, int64_t nanoseconds) {
    const int64_t maxSeconds = int64_t(std::numeric_limits<int64_t>::max() / kTicksPerSecond) -
                               kEpochDifferenceSeconds - 1;
    if (seconds < -kEpochDifferenceSeconds) return FILETIME{};
    if (seconds > maxSeconds) seconds = maxSeconds;
    const uint64_t ticks = uint64_t(seconds + kEpochDifferenceSeconds) * kTicksPerSecond +
                           uint64_t(nanoseconds) / 100;
    return FileTimeFromTicks(ticks);
}

bool FileTimeToLocalFileTime(const FILETIME* utc, FILETIME* local) {
    if (!utc || !local) return false;
    const uint64_t ticks = FileTimeTicks(*utc);
    const time_t unixSeconds =
        time_t(int64_t(ticks / kTicksPerSecond) - kEpochDifferenceSeconds);
    tm fields{};
    if (!localtime_r(&unixSeconds, &fields)) return false;
    const int64_t offsetTicks = int64_t(fields.tm_gmtoff) * int64_t(kTicksPerSecond);
    if (offsetTicks < 0 && uint64_t(-offsetTicks) > ticks) return false;
    const uint64_t shifted = ticks + uint64_t(offsetTicks);
    if (offsetTicks > 0 && shifted < ticks) return false;
    *local = FileTimeFromTicks(shifted);
    return true;
}

bool FileTimeToSystemTime(const FILETIME* time, SYSTEMTIME* out) {
    if (!time || !out) return false;
    const uint64_t ticks = FileTimeTicks(*time);
    if (ticks >= (uint64_t(1) << 63)) return false;
    const int64_t totalSeconds = int64_t(ticks / kTicksPerSecond);
    const int64_t unixSeconds = totalSeconds - kEpochDifferenceSeconds;
    const int64_t days = FloorDiv(unixSeconds, 86400);
    const int64_t secondOfDay = unixSeconds - days * 86400;
    int64_t year = 0;
    unsigned month = 0, day = 0;
    CivilFromDays(days, year, month, day);
    out->wYear = uint16_t(year);
    out->wMonth = uint16_t(month);
    out->wDay = uint16_t(day);
    // 1970-01-01 was a Thursday.
    out->wDayOfWeek = uint16_t(((days % 7) + 11) % 7);
    out->wHour = uint16_t(secondOfDay / 3600);
    out->wMinute = uint16_t(secondOfDay / 60 % 60);
    out->wSecond = uint16_t(secondOfDay % 60);
    out->wMilliseconds = uint16_t(ticks % kTicksPerSecond / 10'000);
    return true;
}

}  // namespace files
