// Texts in the headless dump: one line each, readable as UTF-8.
#include <gtest/gtest.h>

#include "app/dump_text.h"

namespace ezo {
namespace {

TEST(DumpText, ControlCharactersAndPercentAreEscapedAndTheRestIsUtf8) {
    struct Case {
        std::u16string text;
        std::string dumped;
    } cases[] = {
        {u"\\My Documents\\", "\\My Documents\\"},
        {u"Ezo - Café 日本", "Ezo - Café 日本"},
        {u"two\nlines\r\tand\x7F", "two%0Alines%0D%09and%7F"},
        {u"100% sure", "100%25 sure"},
        {std::u16string(u"nul\0end", 7), "nul%00end"},
        {u"\U0001F600", "\xF0\x9F\x98\x80"},
        {u"lone \xD800 half", "lone \xEF\xBF\xBD half"},
    };
    for (const Case& c : cases) EXPECT_EQ(DumpText(c.text), c.dumped);
}

}  // namespace
}  // namespace ezo
