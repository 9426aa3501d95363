#include "platform/files/find_file.h"

#include <gtest/gtest.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <vector>

#include "files/temp_folder.h"
#include "platform/files/device_paths.h"
#include "platform/files/utf.h"

namespace {

using testing_support::TempFolder;

std::vector<std::u16string> FoundNames(std::u16string_view pattern) {
    std::vector<std::u16string> names;
    files::WIN32_FIND_DATA data;
    files::FindHandle search = files::FindFirstFile(pattern, &data);
    for (bool more = search != nullptr; more; more = files::FindNextFile(search, &data)) {
        names.emplace_back(data.cFileName);
    }
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
    for (const char* name : {"a.jpg", "B.JPG", "c.jpeg", "noext", "x.gif", "xy.gif"}) {
        root.WriteFile(name, "");
    }
    root.MakeFolder("Sub");
    using Names = std::vector<std::u16string>;
    struct { std::u16string pattern; Names found; } cases[] = {
        {u"\\*.*", {u"B.JPG", u"Sub", u"a.jpg", u"c.jpeg", u"noext", u"x.gif", u"xy.gif"}},
        {u"*", {u"B.JPG", u"Sub", u"a.jpg", u"c.jpeg", u"noext", u"x.gif", u"xy.gif"}},
        {u"\\*.jpg", {u"B.JPG", u"a.jpg"}},
        {u"\\*.JP*", {u"B.JPG", u"a.jpg", u"c.jpeg"}},
        {u"\\?.gif", {u"x.gif"}},
        {u"\\x*.gif", {u"x.gif", u"xy.gif"}},
        {u"\\NOEXT", {u"noext"}},
        {u"\\*.png", {}},
        {u"\\missing\\*.*", {}},
        {u"\\sub\\*.*", {}},  // empty folder
        {u"\\", {}},          // no name to match
    };
    for (const auto& c : cases) {
        EXPECT_EQ(FoundNames(c.pattern), c.found) << files::Utf16ToUtf8(c.pattern).value_or("");
    }
}

TEST_F(FindFile, HidesHostNamesTheDeviceCannotHold) {
    root.WriteFile("good.jpg", "");
    root.WriteFile("bad\xFF.jpg", "");       // invalid UTF-8
    root.WriteFile("colon:.jpg", "");
    root.WriteFile("star*.jpg", "");
    root.WriteFile("quote\".jpg", "");
    root.WriteFile("back\\slash.jpg", "");
    root.WriteFile("tab\t.jpg", "");
    root.WriteFile("Twin.jpg", "");
    root.WriteFile("twin.jpg", "");         // differs only in case
    ASSERT_EQ(::symlink("nowhere", (root / "broken.jpg").c_str()), 0);
    ASSERT_EQ(::mkfifo((root / "pipe.jpg").c_str(), 0644), 0);
    root.WriteFile("\xC3\xA9t\xC3\xA9.jpg", "");  // "été.jpg"

    const std::vector<std::u16string> names = FoundNames(u"\\*.*");
    const long twins = std::count_if(names.begin(), names.end(), [](const std::u16string& n) {
        return n == u"Twin.jpg" || n == u"twin.jpg";
    });
    EXPECT_EQ(twins, 1);
    std::vector<std::u16string> others;
    for (const auto& n : names) {
        if (n != u"Twin.jpg" && n != u"twin.jpg") others.push_back(n);
    }
    EXPECT_EQ(others, (std::vector<std::u16string>{u"good.jpg", u"\u00e9t\u00e9.jpg"}));
}

TEST_F(FindFile, ReportsAttributesSizesAndTimes) {
    root.WriteFile("plain.jpg", "12345");
    root.WriteFile(".dot", "");
    root.WriteFile("locked.jpg", "");
    ::chmod((root / "locked.jpg").c_str(), 0444);
    root.MakeFolder("Folder");
    root.MakeFolder(".hiddenfolder");
    // A sparse file past 4 GiB: the size is split into high and low words.
    root.WriteFile("huge.jpg", "");
    ASSERT_EQ(::truncate((root / "huge.jpg").c_str(), (5LL << 30) + 123), 0);
    // 2002-11-01 12:00:00 UTC
    const timespec times[2] = {{1036152000, 0}, {1036152000, 500000000}};
    ASSERT_EQ(::utimensat(AT_FDCWD, (root / "plain.jpg").c_str(), times, 0), 0);

    struct { std::u16string path; uint32_t attributes; uint32_t high, low; } cases[] = {
        {u"\\plain.jpg", files::FILE_ATTRIBUTE_NORMAL, 0, 5},
        {u"\\.dot", files::FILE_ATTRIBUTE_HIDDEN, 0, 0},
        {u"\\locked.jpg", files::FILE_ATTRIBUTE_READONLY, 0, 0},
        {u"\\Folder", files::FILE_ATTRIBUTE_DIRECTORY, 0, 0},
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
    // 1036152000 s after 1970 plus the 1601 epoch, in 100 ns ticks, plus 0.5 s.
    const uint64_t expected = (1036152000ull + 11644473600ull) * 10000000ull + 5000000ull;
    EXPECT_EQ(files::FileTimeTicks(FindOne(u"\\plain.jpg")->ftLastWriteTime), expected);
    EXPECT_EQ(files::GetFileAttributes(u"\\missing.jpg"), files::INVALID_FILE_ATTRIBUTES);
    EXPECT_EQ(files::GetFileAttributes(u"\\"), files::FILE_ATTRIBUTE_DIRECTORY);
}

TEST_F(FindFile, ClosingEndsTheSearch) {
    root.WriteFile("a.jpg", "");
    root.WriteFile("b.jpg", "");
    files::WIN32_FIND_DATA data;
    files::FindHandle search = files::FindFirstFile(u"*.jpg", &data);
    ASSERT_TRUE(search);
    EXPECT_TRUE(files::FindNextFile(search, &data));
    EXPECT_FALSE(files::FindNextFile(search, &data));
    EXPECT_TRUE(files::FindClose(search));
    EXPECT_FALSE(files::FindNextFile(search, &data));
    EXPECT_FALSE(files::FindClose(search));
}

}  // namespace
