// The interval field's rule, without a screen (File Info's texts are
// checked in the dialog).
#include <gtest/gtest.h>

#include <string>

#include "app/slide_interval.h"

namespace {

std::string Narrow(const std::u16string& text) { return std::string(text.begin(), text.end()); }

// Leading digits count; none, or 0, keep the interval; an hour at most.
TEST(SlideInterval, TypedTextGivesSecondsUpToAnHour) {
    const struct { std::u16string text; int32_t seconds; } cases[] = {
        {u"45", 45}, {u"3601", 3600}, {u"4294967303", 3600},  // would wrap to 7 in 32 bits
        {u"00", 0},  {u" 12abc", 12}, {u"abc12", 0},
        {std::u16string(300, u'0') + u"5", 0},  // the 5 lies past the characters read
    };
    for (const auto& c : cases) EXPECT_EQ(ezo::TypedSlideSeconds(c.text), c.seconds) << Narrow(c.text.substr(0, 20));
}

}  // namespace
