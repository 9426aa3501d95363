// The dialogs' texts and the interval field's rule, without a screen.
#include <gtest/gtest.h>

#include <string>

#include "app/file_info_text.h"
#include "app/slide_interval.h"
#include "shell/image_kind.h"

namespace {

std::string Narrow(const std::u16string& text) { return std::string(text.begin(), text.end()); }

TEST(FileInfoText, SizesAreGroupedInThousandsWithoutWrapping) {
    const struct { uint64_t number; const char* text; } cases[] = {
        {0, "0"}, {7, "7"}, {999, "999"}, {1000, "1,000"}, {1234, "1,234"}, {100000, "100,000"},
        {1234567, "1,234,567"}, {5368709120ull, "5,368,709,120"},  // past 4 GiB
        {18446744073709551615ull, "18,446,744,073,709,551,615"},
    };
    for (const auto& c : cases) EXPECT_EQ(Narrow(ezo::FormatThousands(c.number)), c.text) << c.number;
}

TEST(FileInfoText, TheClockIsTwelveHoursWithNoonInTheAfternoon) {
    const struct { int h, m, s; const char* text; } cases[] = {
        {0, 30, 0, "AM 0:30:0"},  {9, 5, 7, "AM 9:5:7"},     {11, 59, 59, "AM 11:59:59"},
        {12, 0, 0, "PM 12:0:0"},  {12, 30, 5, "PM 12:30:5"}, {14, 3, 9, "PM 2:3:9"},
        {21, 5, 7, "PM 9:5:7"},   {23, 59, 59, "PM 11:59:59"},
    };
    for (const auto& c : cases) EXPECT_EQ(Narrow(ezo::FormatClockTime(c.h, c.m, c.s)), c.text);
}

TEST(FileInfoText, TheSixLinesNameFormatSizeDimensionsDateAndTime) {
    const ezo::FileInfoLines sea = ezo::MakeFileInfoLines(u"Sea", ezo::Jpeg, 1234567, 640, 480, {u"2002-11-1", u"PM 2:3:9"});
    EXPECT_EQ(Narrow(sea.name), "FileName: Sea");
    EXPECT_EQ(Narrow(sea.format), "Format: JPEG Image");
    EXPECT_EQ(Narrow(sea.size), "Size: 1,234,567 bytes");
    EXPECT_EQ(Narrow(sea.dimensions), "Dimensions: 640(W) * 480(H)");
    EXPECT_EQ(Narrow(sea.date), "Date: 2002-11-1");
    EXPECT_EQ(Narrow(sea.time), "Time: PM 2:3:9");
    const struct { uint32_t kind; const char* format; } kinds[] = {
        {ezo::Bmp, "Format: BMP Image"}, {ezo::Gif, "Format: GIF Image"}, {ezo::Jpg, "Format: JPEG Image"}};
    for (const auto& k : kinds) EXPECT_EQ(Narrow(ezo::MakeFileInfoLines(u"a", k.kind, 0, 0, 0, {}).format), k.format);
}

// Leading digits count; none, or 0, keep the interval; an hour at most.
TEST(SlideInterval, TypedTextGivesSecondsUpToAnHour) {
    const struct { std::u16string text; int32_t seconds; } cases[] = {
        {u"7", 7},       {u"45", 45},        {u"120", 120},       {u"3600", 3600},
        {u"3601", 3600}, {u"9999999999", 3600}, {u"4294967303", 3600},  // would wrap to 7 in 32 bits
        {u"0", 0},       {u"", 0},           {u"abc", 0},         {u"00", 0},
        {u" 12abc", 12}, {u"abc12", 0},      {u"007", 7},
        {std::u16string(10000, u'9'), 3600},
        {std::u16string(300, u'0') + u"5", 0},  // the 5 lies past the characters read
    };
    for (const auto& c : cases) EXPECT_EQ(ezo::TypedSlideSeconds(c.text), c.seconds) << Narrow(c.text.substr(0, 20));
}

}  // namespace
