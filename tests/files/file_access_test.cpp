// Files on the device: finding, their times, opening, reading, writing and deleting.
#include "platform/files/find_file.h"

#include <gtest/gtest.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <vector>

#include "files/temp_folder.h"
#include "platform/files/device_paths.h"
#include "platform/files/file_io.h"
#include "platform/files/file_time.h"
#include "platform/files/utf.h"

namespace {

using testing_support::ReadWholeFile;
using testing_support::TempFolder;
using testing_support::ScopedTimeZone;

constexpr uint64_t TicksOfUnix(int64_t seconds) {
    return uint64_t(seconds + files::kEpochDifferenceSeconds) * files::kTicksPerSecond;
}

std::vector<std::u16string> FoundNames(std::u16string_view pattern) {
    std::vector<std::u16string> names;
    files::WIN32_FIND_DATA data;
    files::FindHandle search = files::FindFirstFile(pattern, &data);
    for (bool more = search != nullptr; more; more = files::FindNextFile(search, &data)) names.emplace_back(data.cFileName);
    std::sort(names.begin(), names.end());
    return names;
}

std::optional<files::WIN32_FIND_DATA> FindOne(std::u16string_view path) {
    files::WIN32_FIND_DATA data;
    if (!files::FindFirstFile(path, &data)) return std::nullopt;
    return data;
}

class FindFile : public ::testing::Test {
protected:
    void SetUp() override { files::SetDeviceRoot(root.path()); }
    void TearDown() override { files::SetDeviceRoot(""); }
    TempFolder root;
};

TEST_F(FindFile, MatchesPatternsWithoutRegardToCase) {
    for (const char* name : {"a.jpg", "B.JPG", "c.jpeg", "noext", "x.gif", "xy.gif"}) root.WriteFile(name, "");
    root.MakeFolder("Sub");
    using Names = std::vector<std::u16string>;
    struct { std::u16string pattern; Names found; } cases[] = {
        {u"\\*.*", {u"B.JPG", u"Sub", u"a.jpg", u"c.jpeg", u"noext", u"x.gif", u"xy.gif"}},
        {u"*", {u"B.JPG", u"Sub", u"a.jpg", u"c.jpeg", u"noext", u"x.gif", u"xy.gif"}},
        {u"\\*.jpg", {u"B.JPG", u"a.jpg"}}, {u"\\*.JP*", {u"B.JPG", u"a.jpg", u"c.jpeg"}},
        {u"\\?.gif", {u"x.gif"}}, {u"\\x*.gif", {u"x.gif", u"xy.gif"}},
        {u"\\NOEXT", {u"noext"}}, {u"\\*.png", {}}, {u"\\missing\\*.*", {}},
        {u"\\sub\\*.*", {}},  // empty folder
        {u"\\", {}},          // no name to match
    };
    for (const auto& c : cases) EXPECT_EQ(FoundNames(c.pattern), c.found) << files::Utf16ToUtf8(c.pattern).value_or("");
}

TEST_F(FindFile, HidesHostNamesTheDeviceCannotHold) {
    // Invalid UTF-8, characters the device refuses, and twins that differ only in case.
    for (const char* name : {"good.jpg", "bad\xFF.jpg", "colon:.jpg", "star*.jpg", "quote\".jpg", "back\\slash.jpg",
                             "tab\t.jpg", "Twin.jpg", "twin.jpg", "\xC3\xA9t\xC3\xA9.jpg"})  // "été.jpg"
        root.WriteFile(name, "");
    ASSERT_EQ(::symlink("nowhere", (root / "broken.jpg").c_str()), 0);
    ASSERT_EQ(::mkfifo((root / "pipe.jpg").c_str(), 0644), 0);

    std::vector<std::u16string> names = FoundNames(u"\\*.*");
    std::replace(names.begin(), names.end(), std::u16string(u"Twin.jpg"), std::u16string(u"twin.jpg"));  // either twin
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names, (std::vector<std::u16string>{u"good.jpg", u"twin.jpg", u"\u00e9t\u00e9.jpg"}));
}

TEST_F(FindFile, ReportsAttributesSizesAndTimes) {
    for (const char* name : {"plain.jpg", ".dot", "locked.jpg", "huge.jpg"}) root.WriteFile(name, "");
    root.WriteFile("plain.jpg", "12345");
    ::chmod((root / "locked.jpg").c_str(), 0444);
    root.MakeFolder("Folder");
    root.MakeFolder(".hiddenfolder");
    // A sparse file past 4 GiB: the size is split into high and low words.
    ASSERT_EQ(::truncate((root / "huge.jpg").c_str(), (5LL << 30) + 123), 0);
    // 2002-11-01 12:00:00 UTC
    const timespec times[2] = {{1036152000, 0}, {1036152000, 500000000}};
    ASSERT_EQ(::utimensat(AT_FDCWD, (root / "plain.jpg").c_str(), times, 0), 0);

    struct { std::u16string path; uint32_t attributes; uint32_t high, low; } cases[] = {
        {u"\\plain.jpg", files::FILE_ATTRIBUTE_NORMAL, 0, 5}, {u"\\.dot", files::FILE_ATTRIBUTE_HIDDEN, 0, 0},
        {u"\\locked.jpg", files::FILE_ATTRIBUTE_READONLY, 0, 0}, {u"\\Folder", files::FILE_ATTRIBUTE_DIRECTORY, 0, 0},
        {u"\\.hiddenfolder", files::FILE_ATTRIBUTE_DIRECTORY | files::FILE_ATTRIBUTE_HIDDEN, 0, 0},
        {u"\\huge.jpg", files::FILE_ATTRIBUTE_NORMAL, 1, (1u << 30) + 123},
    };
    for (const auto& c : cases) {
        const auto data = FindOne(c.path);
        ASSERT_TRUE(data) << c.path.size();
        EXPECT_EQ(data->dwFileAttributes, c.attributes) << c.path.size();
        EXPECT_EQ(data->nFileSizeHigh, c.high);
        EXPECT_EQ(data->nFileSizeLow, c.low);
        EXPECT_EQ(files::GetFileAttributes(c.path), c.attributes);
    }
    EXPECT_EQ(files::FileTimeTicks(FindOne(u"\\plain.jpg")->ftLastWriteTime), TicksOfUnix(1036152000) + 5000000);
    EXPECT_EQ(files::GetFileAttributes(u"\\missing.jpg"), files::INVALID_FILE_ATTRIBUTES);
    EXPECT_EQ(files::GetFileAttributes(u"\\"), files::FILE_ATTRIBUTE_DIRECTORY);
}

class FileIo : public FindFile {
protected:
    void SetUp() override {
        FindFile::SetUp();
        root.WriteFile("Old.jpg", "old");
        root.MakeFolder("Folder.jpg");
        ::mkfifo((root / "pipe.jpg").c_str(), 0644);
    }
};

// Only regular files inside the root open (a pipe must not block); reading
// goes in chunks to the end; a closed handle reads nothing.
TEST_F(FileIo, CreateFileOpensRegularFilesAndReadsThemInChunks) {
    using namespace files;
    for (const auto& [path, opens] : {std::pair{u"\\OLD.JPG", true}, std::pair{u"\\missing.jpg", false},
                                      std::pair{u"\\folder.jpg", false}, std::pair{u"\\pipe.jpg", false}})
        EXPECT_EQ(CreateFile(path, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0x80, nullptr).valid(), opens)
            << std::u16string(path).size();
    EXPECT_FALSE(CreateFile(u"\\..\\escape.jpg", GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0x80, nullptr).valid());
    FileHandle file = CreateFile(u"OLD.JPG", GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    char buffer[2];
    uint32_t got = 0;
    std::string all;
    while (ReadFile(file, buffer, sizeof buffer, &got) && got > 0) all.append(buffer, got);
    EXPECT_EQ(all, "old");
    FileHandle closed;
    EXPECT_FALSE(ReadFile(closed, buffer, 1, &got));
}

TEST_F(FileIo, StreamModesBehaveAsTheRuntimeLibrarys) {
    struct { std::u16string path, mode; bool opens; std::string written, after; } cases[] = {
        {u"\\old.jpg", u"rb", true, "", "old"}, {u"\\missing.tmb", u"r+b", false, "", ""},
        {u"\\index.tmb", u"a", true, "", ""},  // creates an empty file
        {u"\\old.jpg", u"a", true, "+", "old+"}, {u"\\old.jpg", u"wb", true, "w", "w"},
        {u"\\old.jpg", u"r+b", true, "O", "Old"}, {u"\\folder.jpg", u"rb", false, "", ""},
        {u"\\pipe.jpg", u"rb", false, "", ""}, {u"\\old.jpg", u"xb", false, "", ""},
    };
    for (const auto& c : cases) {
        root.WriteFile("Old.jpg", "old");
        files::FilePtr file = files::_wfopen(c.path, c.mode);
        EXPECT_EQ(file != nullptr, c.opens) << c.path.size();
        if (!file) continue;
        if (!c.written.empty()) std::fwrite(c.written.data(), 1, c.written.size(), file.get());
        file.reset();
        EXPECT_EQ(ReadWholeFile(*files::HostPathOf(c.path)), c.after);
    }
}

TEST_F(FileIo, DeleteFileRemovesOnlyFilesThatAreThere) {
    EXPECT_FALSE(files::DeleteFile(u"\\folder.jpg"));
    EXPECT_TRUE(files::DeleteFile(u"\\OLD.JPG"));
    EXPECT_FALSE(files::DeleteFile(u"\\old.jpg"));
    EXPECT_FALSE(std::filesystem::exists(root / "Old.jpg"));
}

TEST(FileTime, SplitsIntoCalendarFields) {
    // expected: year, month, weekday, day, h, m, s, ms
    struct { uint64_t ticks; files::SYSTEMTIME expected; } cases[] = {
        {0, {1601, 1, 1, 1, 0, 0, 0, 0}}, {TicksOfUnix(0), {1970, 1, 4, 1, 0, 0, 0, 0}},
        {TicksOfUnix(1036152000) + 1234567, {2002, 11, 5, 1, 12, 0, 0, 123}},
        {TicksOfUnix(951782400), {2000, 2, 2, 29, 0, 0, 0, 0}},  // leap day
        {TicksOfUnix(4107542399), {2100, 2, 0, 28, 23, 59, 59, 0}}, {TicksOfUnix(-1), {1969, 12, 3, 31, 23, 59, 59, 0}},
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

// Host times before 1601 (a damaged file system) clamp to the first tick.
TEST(FileTime, ConvertsHostTimeStamps) {
    EXPECT_EQ(files::FileTimeTicks(files::FileTimeFromUnix(-files::kEpochDifferenceSeconds - 1, 0)), 0u);
}

}  // namespace
