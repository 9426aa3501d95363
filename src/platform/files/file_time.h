#pragma once
// File times as the handheld keeps them: 100-nanosecond ticks since
// 1 January 1601, UTC, and their split into calendar fields.
#include <cstdint>
#include <ctime>

namespace files {

struct FILETIME {
    uint32_t dwLowDateTime = 0;
    uint32_t dwHighDateTime = 0;
};

struct SYSTEMTIME {
    uint16_t wYear = 0;
    uint16_t wMonth = 0;
    uint16_t wDayOfWeek = 0;  // 0 Sunday
    uint16_t wDay = 0;
    uint16_t wHour = 0;
    uint16_t wMinute = 0;
    uint16_t wSecond = 0;
    uint16_t wMilliseconds = 0;
};

constexpr uint64_t kTicksPerSecond = 10'000'000;
// Seconds from 1601-01-01 to 1970-01-01.
constexpr int64_t kEpochDifferenceSeconds = 11'644'473'600;

constexpr uint64_t FileTimeTicks(const FILETIME& time) {
    return (uint64_t(time.dwHighDateTime) << 32) | time.dwLowDateTime;
}
constexpr FILETIME FileTimeFromTicks(uint64_t ticks) {
    return FILETIME{uint32_t(ticks), uint32_t(ticks >> 32)};
}

// A host time stamp as a file time; times before 1601 become 0.
FILETIME FileTimeFromUnix(int64_t seconds, int64_t nanoseconds);

// Shifts a UTC file time into the host's local time zone (TZ), using the
// offset in force at that instant. False when the result would leave the
// file-time range.
bool FileTimeToLocalFileTime(const FILETIME* utc, FILETIME* local);

// Splits a file time into calendar fields; false for times from year 30828
// on (ticks of 2^63 and above), as on the handheld.
bool FileTimeToSystemTime(const FILETIME* time, SYSTEMTIME* out);

}  // namespace files
