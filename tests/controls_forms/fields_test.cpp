#include "forms_fixture.h"

#include "platform/device/activation.h"

namespace forms_test {
namespace {

class FieldsTest : public FormsTest {};

TEST_F(FieldsTest, EditTellsEveryChangeAndNumberEditRefusesOtherCharacters) {
    HWND text = Make(u"edit", u"", ES_AUTOHSCROLL | device::WS_BORDER, 4, 4, 150, 20, 1045);
    HWND number = Make(u"edit", u"", ES_NUMBER | ES_AUTOHSCROLL | device::WS_BORDER, 4, 30, 60, 20, 1041);
    const struct { HWND edit; std::u16string typed; std::u16string text; size_t changes; } cases[] = {
        {text, u"ab1", u"ab1", 3},
        {number, u"4a5", u"45", 2},  // the letter is refused and tells nothing
        {number, u"-", u"45", 0},
    };
    for (const auto& c : cases) {
        device::SetFocus(c.edit);
        Take();  // the focus notifications
        dev().typeText(c.typed);
        dev().processPending();
        EXPECT_EQ(TextOf(c.edit), c.text);
        const int id = device::GetDlgCtrlID(c.edit);
        EXPECT_EQ(Take(), Events(c.changes, "COMMAND id=" + std::to_string(id) + " code=768"));
    }
    // The program's text also tells a change; digits-only binds typing only.
    EXPECT_TRUE(SetDlgItemText(hostWindow_, 1041, u"x7"));
    EXPECT_EQ(Take(), Events{"COMMAND id=1041 code=768"});
    EXPECT_EQ(TextOf(number), u"x7");
    bool translated = true;
    EXPECT_EQ(GetDlgItemInt(hostWindow_, 1041, &translated, false), 0u);
    EXPECT_FALSE(translated);
    // Digits far into a long text still count.
    SetWindowTextW(number, std::u16string(100, u'0') + u"5");
    EXPECT_EQ(GetDlgItemInt(hostWindow_, 1041, &translated, false), 5u);
    EXPECT_TRUE(translated);
}


class ComboTest : public FormsTest {};

// Case-blind order, equal strings in their order of arrival; each addition
// returns where its string landed.
TEST_F(ComboTest, SortedInsertionReturnsWhereEachStringLanded) {
    HWND combo = Make(u"combobox", u"", CBS_DROPDOWNLIST | CBS_SORT, 0, 0, 50, 60, 7);
    std::vector<int> got;
    for (const char16_t* s : {u"b", u"A", u"c", u"a"}) got.push_back(int(Send(combo, CB_ADDSTRING, 0, device::LPARAM(s))));
    EXPECT_EQ(got, (std::vector<int>{0, 0, 2, 1}));
    char16_t text[8] = {};
    Send(combo, CB_GETLBTEXT, 1, device::LPARAM(text));
    EXPECT_EQ(std::u16string(text), u"a");
    EXPECT_EQ(Send(combo, CB_GETCURSEL), CB_ERR);  // nothing selected until the program says
    EXPECT_EQ(Send(combo, CB_SETCURSEL, 9), CB_ERR);
    EXPECT_EQ(Send(combo, CB_DELETESTRING, 0), 3);
    EXPECT_EQ(Send(combo, CB_GETLBTEXT, 9, device::LPARAM(text)), CB_ERR);
}

// The program's own selection tells nothing; a tap outside the open list
// closes it without a change; arrow keys on the closed box are the user's choice.
TEST_F(ComboTest, SelectionChangeIsToldOnlyForTheUsersChoice) {
    HWND combo = Make(u"combobox", u"", CBS_DROPDOWNLIST | CBS_SORT | device::WS_VSCROLL | device::WS_TABSTOP, 60, 40,
                      100, 100, 1029);
    for (const char16_t* s : {u"Cover Left", u"Cover Right", u"Cover Up", u"Cover Down", u"None"})
        Send(combo, CB_ADDSTRING, 0, device::LPARAM(s));
    EXPECT_EQ(Send(combo, CB_SETCURSEL, 1), 1);
    Take();
    TapOn(combo);
    ASSERT_EQ(Send(combo, CB_GETDROPPEDSTATE), 1);
    Tap(200, 300);
    EXPECT_EQ(Send(combo, CB_GETDROPPEDSTATE), 0);
    EXPECT_EQ(Take(), (Events{"COMMAND id=1029 code=3", "COMMAND id=1029 code=7", "COMMAND id=1029 code=8"}));
    EXPECT_EQ(Send(combo, CB_GETCURSEL), 1);
    dev().key(Qt::Key_Down);
    EXPECT_EQ(Take(), Events{"COMMAND id=1029 code=1"});
    EXPECT_EQ(Send(combo, CB_GETCURSEL), 2);
}

class UpDownTest : public FormsTest {
protected:
    void SetUp() override {
        FormsTest::SetUp();
        edit_ = Make(u"edit", u"", ES_NUMBER | ES_AUTOHSCROLL | device::WS_BORDER, 100, 40, 60, 22, 1041);
        upDown_ = Make(u"msctls_updown32", u"",
                       UDS_AUTOBUDDY | UDS_SETBUDDYINT | UDS_ARROWKEYS | UDS_WRAP, 161, 40, 14, 22, 1042);
        ASSERT_TRUE(upDown_);
        Send(upDown_, UDM_SETRANGE, 0, device::MAKELPARAM(30, 1));
        Take();
    }
    void Arrow() {
        gdi::RECT r;
        device::GetWindowRect(upDown_, &r);
        Tap((r.left + r.right) / 2, r.top + 4);
    }
    HWND edit_ = nullptr;
    HWND upDown_ = nullptr;
};

// The buddy's own number is where a step starts, unless it lies outside
// the range; arrow keys in the buddy step too.
TEST_F(UpDownTest, ArrowsStepTheBuddysNumberAndWrapAtTheEnds) {
    EXPECT_EQ(Send(upDown_, UDM_GETBUDDY), device::LRESULT(edit_));
    const struct { std::u16string start; std::u16string text; std::string asked; } cases[] = {  // the up arrow
        {u"30", u"1", "pos=30 delta=1"},  // wraps at the top
        {u"7", u"8", "pos=7 delta=1"},
        {u"45", u"9", "pos=8 delta=1"},   // beyond the range: the last position
    };
    for (const auto& c : cases) {
        SetDlgItemText(hostWindow_, 1041, c.start);
        Take();
        Arrow();
        EXPECT_EQ(TextOf(edit_), c.text) << std::string(c.start.begin(), c.start.end());
        EXPECT_EQ(Take(), (Events{"NOTIFY id=1042 code=-722 " + c.asked, "COMMAND id=1041 code=768",
                                  "VSCROLL code=4 pos=" + std::string(c.text.begin(), c.text.end())}));
    }
    device::SetFocus(edit_);
    SetDlgItemText(hostWindow_, 1041, u"5");
    dev().key(Qt::Key_Down);
    EXPECT_EQ(TextOf(edit_), u"4");
}

}  // namespace
}  // namespace forms_test
