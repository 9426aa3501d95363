#include "forms_fixture.h"

namespace forms_test {
namespace {

// Typing, choosing and stepping are driven through the options sheet; here, the bounds.
class FieldsTest : public FormsTest {};

// Leading zeros must not push the digits out of a short buffer.
TEST_F(FieldsTest, NumberFarIntoALongTextStillCounts) {
    HWND number = Make(u"edit", u"", ES_NUMBER | ES_AUTOHSCROLL | device::WS_BORDER, 4, 30, 60, 20, 1041);
    SetWindowTextW(number, std::u16string(100, u'0') + u"5");
    bool translated = false;
    EXPECT_EQ(GetDlgItemInt(hostWindow_, 1041, &translated, false), 5u);
    EXPECT_TRUE(translated);
}

TEST_F(FieldsTest, ComboRefusesIndexesPastItsEnd) {
    HWND combo = Make(u"combobox", u"", CBS_DROPDOWNLIST | CBS_SORT, 0, 0, 50, 60, 7);
    for (const char16_t* s : {u"b", u"A"}) Send(combo, CB_ADDSTRING, 0, device::LPARAM(s));
    char16_t text[8] = {};
    EXPECT_EQ(Send(combo, CB_SETCURSEL, 9), CB_ERR);
    EXPECT_EQ(Send(combo, CB_GETLBTEXT, 9, device::LPARAM(text)), CB_ERR);
}

// A buddy number outside the range steps from the last position.
TEST_F(FieldsTest, UpDownIgnoresABuddyNumberOutsideItsRange) {
    HWND edit = Make(u"edit", u"", ES_NUMBER | ES_AUTOHSCROLL | device::WS_BORDER, 100, 40, 60, 22, 1041);
    HWND upDown = Make(u"msctls_updown32", u"", UDS_AUTOBUDDY | UDS_SETBUDDYINT | UDS_WRAP, 161, 40, 14, 22, 1042);
    Send(upDown, UDM_SETRANGE, 0, device::MAKELPARAM(30, 1));
    for (auto [start, after] : {std::pair{u"7", u"8"}, std::pair{u"45", u"9"}}) {
        SetDlgItemText(hostWindow_, 1041, start);
        gdi::RECT r;
        device::GetWindowRect(upDown, &r);
        Tap((r.left + r.right) / 2, r.top + 4);
        EXPECT_EQ(device::GetWindowText(edit), after);
    }
}

}  // namespace
}  // namespace forms_test
