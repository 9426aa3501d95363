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


class ComboTest : public FormsTest {
protected:
    // The transition effects in a sorted drop-down list.
    HWND MakeEffects() {
        HWND combo = Make(u"combobox", u"", CBS_DROPDOWNLIST | CBS_SORT | device::WS_VSCROLL | device::WS_TABSTOP, 60,
                          40, 100, 100, 1029);
        for (const char16_t* s : {u"Cover Left", u"Cover Right", u"Cover Up", u"Cover Down", u"None"})
            Send(combo, CB_ADDSTRING, 0, device::LPARAM(s));
        return combo;
    }
};

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

TEST_F(ComboTest, SelectionChangeIsToldOnlyForTheUsersChoice) {
    HWND combo = MakeEffects();
    Take();
    EXPECT_EQ(Send(combo, CB_SETCURSEL, 4), 4);
    EXPECT_TRUE(Take().empty());  // the program's own selection tells nothing

    TapOn(combo);
    ASSERT_EQ(Send(combo, CB_GETDROPPEDSTATE), 1);
    EXPECT_EQ(Take(), (Events{"COMMAND id=1029 code=3", "COMMAND id=1029 code=7"}));  // focus, then drop down
    // The list lies under the box, whose created height was the dropped list's.
    HWND drop = device::FindWindow(u"ComboLBox", nullptr);
    ASSERT_TRUE(drop);
    gdi::RECT box, list;
    device::GetWindowRect(combo, &box);
    device::GetWindowRect(drop, &list);
    EXPECT_EQ(list.top, box.bottom);
    EXPECT_LT(box.height(), 40);
    // Tap the second row.
    const int rowHeight = (list.height() - 2) / 5;
    Tap(list.left + 10, list.top + 1 + rowHeight + rowHeight / 2);
    EXPECT_EQ(Take(), (Events{"COMMAND id=1029 code=1", "COMMAND id=1029 code=8"}));
    EXPECT_EQ(Send(combo, CB_GETCURSEL), 1);
    EXPECT_EQ(Send(combo, CB_GETDROPPEDSTATE), 0);

    // A tap outside closes the list without a change.
    TapOn(combo);
    Tap(200, 300);
    EXPECT_EQ(Take(), (Events{"COMMAND id=1029 code=7", "COMMAND id=1029 code=8"}));
    EXPECT_EQ(Send(combo, CB_GETCURSEL), 1);

    // Arrow keys on the closed box change the selection as the user's choice.
    device::SetFocus(combo);
    Take();
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
    void Arrow(bool up) {
        gdi::RECT r;
        device::GetWindowRect(upDown_, &r);
        Tap((r.left + r.right) / 2, up ? r.top + 4 : r.bottom - 4);
    }
    HWND edit_ = nullptr;
    HWND upDown_ = nullptr;
};

TEST_F(UpDownTest, ArrowsStepTheBuddysNumberAndWrapAtTheEnds) {
    EXPECT_EQ(Send(upDown_, UDM_GETBUDDY), device::LRESULT(edit_));
    EXPECT_EQ(Send(upDown_, UDM_GETRANGE), device::MAKELPARAM(30, 1));
    // start is typed into the buddy first (empty: left alone); asked is what the parent is asked first.
    const struct { std::u16string start; bool up; std::u16string text; int pos; std::string asked; } cases[] = {
        {u"30", true, u"1", 1, "pos=30 delta=1"},   // wraps at the top
        {u"", false, u"30", 30, "pos=1 delta=-1"},  // and at the bottom
        {u"7", true, u"8", 8, "pos=7 delta=1"},     // the buddy's own number counts
        {u"45", true, u"9", 9, "pos=8 delta=1"},    // beyond the range it does not
    };
    for (const auto& c : cases) {
        if (!c.start.empty()) SetDlgItemText(hostWindow_, 1041, c.start);
        Take();
        Arrow(c.up);
        EXPECT_EQ(TextOf(edit_), c.text) << std::string(c.start.begin(), c.start.end());
        EXPECT_EQ(device::LOWORD(uintptr_t(Send(upDown_, UDM_GETPOS))), c.pos);
        const Events events = Take();
        ASSERT_EQ(events.size(), 3u);
        EXPECT_EQ(events[0], "NOTIFY id=1042 code=-722 " + c.asked);
        EXPECT_EQ(events[1], "COMMAND id=1041 code=768");  // the buddy's new number
        EXPECT_EQ(events[2], "VSCROLL code=4 pos=" + std::to_string(c.pos));
    }
    // Typing beyond the range stays in the buddy.
    device::SetFocus(edit_);
    SetDlgItemText(hostWindow_, 1041, u"");
    dev().typeText(u"120");
    EXPECT_EQ(TextOf(edit_), u"120");
    // Arrow keys in the buddy step too.
    SetDlgItemText(hostWindow_, 1041, u"5");
    dev().key(Qt::Key_Down);
    EXPECT_EQ(TextOf(edit_), u"4");
}

TEST_F(UpDownTest, ARefusedStepLeavesTheNumber) {
    SetDlgItemText(hostWindow_, 1041, u"10");
    notifyAnswer_ = 1;
    Take();
    Arrow(true);
    EXPECT_EQ(TextOf(edit_), u"10");
    EXPECT_EQ(Take(), (Events{"NOTIFY id=1042 code=-722 pos=10 delta=1", "VSCROLL code=4 pos=10"}));
}

}  // namespace
}  // namespace forms_test
