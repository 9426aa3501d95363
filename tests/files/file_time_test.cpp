#include "platform/files/file_time.h"

#include <gtest/gtest.h>

#include "files/temp_folder.h"

namespace {

using testing_support::ScopedTimeZone;

constexpr uint64_t TicksOfUnix(int64_t seconds) {
    return uint64_t(seconds + files::kEpochDifferenceSeconds) * files::kTicksPerSecond;
}

TEST(FileTime, SplitsIntoCalendarFields) {
    // expected: year, month, weekday, day, h, m, s, ms
    struct { uint64_t ticks; files::SYSTEMTIME expected; } cases[] = {
        {0, {1601, 1, 1, 1, 0, 0, 0, 0}},
        {TicksOfUnix(0), {1970, 1, 4, 1, 0, 0, 0, 0}},
        {TicksOfUnix(1036152000) + 1234567, {2002, 11, 5, 1, 12, 0, 0, 123}},
        {TicksOfUnix(951782400), {2000, 2, 2, 29, 0, 0, 0, 0}},  // leap day
        {TicksOfUnix(4107542399), {2100, 2, 0, 28, 23, 59, 59, 0}},
        {TicksOfUnix(-1), {1969, 12, 3, 31, 23, 59, 59, 0}},
        {(uint64_t(1) << 63) - 1, {30828, 9, 4, 14, 2, 48, 5, 477}},
    };
    for (const auto& c : cases) {
        files::FILETIME time = files::FileTimeFromTicks(c.ticks);
        files::SYSTEMTIME out;
        ASSERT_TRUE(files::FileTimeToSystemTime(&time, &out)) << c.ticks;
        const auto& e = c.expected;
        EXPECT_EQ(std::tie(out.wYear, out.wMonth, out.wDayOfWeek, out.wDay, out.wHour, out.wMinute, out.wSecond,
                           out.wMilliseconds),
                  std::tie(e.wYear, e.wMonth, e.wDayOfWeek, e.wDay, e.wHour, e.wMinute, e.wSecond, e.wMilliseconds))
            << c.ticks;
    }
    files::FILETIME tooLate = files::FileTimeFromTicks(uint64_t(1) << 63);
    files::SYSTEMTIME out;
    EXPECT_FALSE(files::FileTimeToSystemTime(&tooLate, &out));
}

TEST(FileTime, ShiftsIntoTheLocalZoneInForceAtThatTime) {
    struct { const char* zone; int64_t unixSeconds; int64_t offsetSeconds; } cases[] = {
        {"UTC0", 1036152000, 0},
        {"EST5EDT,M3.2.0,M11.1.0", 1039003200, -5 * 3600},  // December: standard time
        {"EST5EDT,M3.2.0,M11.1.0", 1025524800, -4 * 3600},  // July: daylight time
        {"JST-9", 1036152000, 9 * 3600},
    };
    for (const auto& c : cases) {
        ScopedTimeZone zone(c.zone);
        const files::FILETIME utc = files::FileTimeFromTicks(TicksOfUnix(c.unixSeconds));
        files::FILETIME local;
        ASSERT_TRUE(files::FileTimeToLocalFileTime(&utc, &local)) << c.zone;
        EXPECT_EQ(int64_t(files::FileTimeTicks(local) - files::FileTimeTicks(utc)),
                  c.offsetSeconds * int64_t(files::kTicksPerSecond)) << c.zone;
    }
    ScopedTimeZone west("EST5");
    const files::FILETIME first = files::FileTimeFromTicks(0);
    files::FILETIME local;
    EXPECT_FALSE(files::FileTimeToLocalFileTime(&first, &local));  // would fall before 1601
}

TEST(FileTime, ConvertsHostTimeStamps) {
    EXPECT_EQ(files::FileTimeTicks(files::FileTimeFromUnix(0, 0)), 116444736000000000ull);
    EXPECT_EQ(files::FileTimeTicks(files::FileTimeFromUnix(1, 999)), 116444736010000009ull);
    EXPECT_EQ(files::FileTimeTicks(files::FileTimeFromUnix(-files::kEpochDifferenceSeconds - 1, 0)), 0u);
}

}  // namespace
