// The shell's lines in the headless dump: texts on one line each, and the
// list's rows as the list control shows them.
#include <gtest/gtest.h>

#include "app/dump_text.h"
#include "platform/controls/list_view.h"
#include "scenario.h"
#include "support/main_window_fixture.h"

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

class ShellDump : public test_support::MainWindowTest {};

TEST_F(ShellDump, RowsComeFromTheListControlInOrder) {
    Start();
    device_->addDumpSource(DumpShellState);
    const device::HWND list = program().shell.fileList;
    const char16_t* rows[][4] = {{u"b b.gif", u"GIF", u"1K", u"2024/01/02"},
                                 {u"a\nb.jpg", u"JPEG", u"2M", u"2023/12/31"}};
    for (int r = 0; r < 2; ++r) {
        controls::LVITEMW item;
        item.mask = controls::LVIF_TEXT;
        item.iItem = r;
        item.pszText = const_cast<char16_t*>(rows[r][0]);
        device::SendMessage(list, controls::LVM_INSERTITEMW, 0, reinterpret_cast<device::LPARAM>(&item));
        for (int column = 1; column < 4; ++column) {
            item.iSubItem = column;
            item.pszText = const_cast<char16_t*>(rows[r][column]);
            device::SendMessage(list, controls::LVM_SETITEMTEXTW, device::WPARAM(r), reinterpret_cast<device::LPARAM>(&item));
        }
    }
    program().settings.latestFile = u"\\a\\b.jpg";
    const scenario::Dump dump = scenario::ParseDump(device_->dumpState());
    ASSERT_EQ(dump.rows.size(), 2u) << dump.text;
    EXPECT_EQ(dump.rows[0], "b b.gif | GIF | 1K | 2024/01/02");
    EXPECT_EQ(dump.rows[1], "a%0Ab.jpg | JPEG | 2M | 2023/12/31");
    EXPECT_EQ(dump["latestFile"], "\\a\\b.jpg");
    EXPECT_EQ(dump["split"], "77");
    EXPECT_EQ(dump["zoom"], "1.000");
    EXPECT_EQ(dump["previousZoom"], "1.000");
    // The shell's keys follow the device's own lines, in a fixed order.
    const std::string keys[] = {"browseMode", "BrowseView", "title", "zoom", "xOffset", "rowCount", "row",
                                "latestFile", "split", "splitButtonBits", "listAreaHeight"};
    size_t at = dump.text.find("beeps: ");
    for (const std::string& key : keys) {
        const size_t next = dump.text.find("\n" + key + ": ", at);
        EXPECT_NE(next, std::string::npos) << key;
        at = next;
    }
}

}  // namespace
}  // namespace ezo
