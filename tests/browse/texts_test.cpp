#include <gtest/gtest.h>

#include "browse/list_texts.h"
#include "browse/path_text.h"
#include "files/temp_folder.h"
#include "platform/files/file_time.h"

namespace {

using testing_support::ScopedTimeZone;

TEST(PathText, FindsTheFolderAndTheName) {
    struct { std::u16string path; std::u16string folder, name, stripped; } cases[] = {
        {u"\\My Documents\\a.jpg", u"\\My Documents\\", u"a.jpg", u"a"},
        {u"\\My Documents\\*.*", u"\\My Documents\\", u"*.*", u""},
        {u"\\My Documents\\Sea.JPEG", u"\\My Documents\\", u"Sea.JPEG", u"Sea"},
        {u"\\a\\b.gif", u"\\a\\", u"b.gif", u"b"},
        {u"\\a\\b.c.jpg", u"\\a\\", u"b.c.jpg", u"b.c"},
        {u"\\", u"\\", u"", u""},
        {u"\\a\\", u"\\a\\", u"", u""},
        {u"\\a\\jpg", u"\\a\\", u"jpg", u""},     // shorter than the cut: no underflow
        {u"\\a\\.jpeg", u"\\a\\", u".jpeg", u""},
        {u"a.jpg", u"a.jpg", u"a.jpg", u"a.jpg"},  // no "\": unchanged, extension and all
        {u"", u"", u"", u""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ezo::FolderOfPath(c.path), c.folder) << c.path.size();
        EXPECT_EQ(ezo::FileNameOfPath(c.path, 0), c.name) << c.path.size();
        EXPECT_EQ(ezo::FileNameOfPath(c.path, 1), c.stripped) << c.path.size();
    }
}

TEST(ListTexts, ShowsSizesInTheColumnsUnits) {
    struct { uint64_t size; std::u16string text; } cases[] = {
        {0, u"1K"},          {1023, u"1K"},         {1024, u"1K"},         {2047, u"1K"},
        {2048, u"2K"},       {1024000, u"1000K"},   {1024001, u"1M"},      {2048000, u"2M"},
        {5000000, u"4M"},    {0xFFFFFFFF, u"4194M"},    {5ull << 30, u"5242M"},
    };
    for (const auto& c : cases) EXPECT_EQ(ezo::FormatSizeShort(c.size), c.text) << c.size;
}

TEST(ListTexts, ShowsTheLocalDate) {
    auto ticks = [](int64_t unixSeconds) {
        return uint64_t(unixSeconds + files::kEpochDifferenceSeconds) * files::kTicksPerSecond;
    };
    struct { const char* zone; uint64_t modified; std::u16string text; } cases[] = {
        {"UTC0", ticks(1036152000), u"2002/11/1"},  // 2002-11-01 12:00 UTC
        {"UTC0", ticks(1036108799), u"2002/10/31"},  // 23:59:59 the day before
        {"JST-9", ticks(1036108799), u"2002/11/1"},  // already the next day in Tokyo
        {"EST5EDT,M3.2.0,M11.1.0", ticks(1036116000), u"2002/10/31"},  // 02:00 UTC
        {"UTC0", 0, u"1601/1/1"},
        {"UTC0", uint64_t(1) << 63, u""},  // past what the calendar split takes
    };
    for (const auto& c : cases) {
        ScopedTimeZone zone(c.zone);
        EXPECT_EQ(ezo::FormatDateShort(c.modified), c.text) << c.zone << " " << c.modified;
    }
}

}  // namespace
