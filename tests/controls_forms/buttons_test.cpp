#include "forms_fixture.h"

#include <QImage>

#include "platform/gdi/paint.h"

namespace forms_test {
namespace {

class ButtonsTest : public FormsTest {
protected:
    void SetUp() override {
        FormsTest::SetUp();
        // Two radio groups split by WS_GROUP, as a dialog template lays them out.
        radios_ = {Make(u"button", u"None", BS_AUTORADIOBUTTON | WS_GROUP, 4, 4, 120, 16, 1014),
                   Make(u"button", u"Latest", BS_AUTORADIOBUTTON, 4, 24, 120, 16, 1015),
                   Make(u"button", u"Selected", BS_AUTORADIOBUTTON, 4, 44, 120, 16, 1016),
                   Make(u"button", u"Other A", BS_AUTORADIOBUTTON | WS_GROUP, 130, 4, 100, 16, 2001),
                   Make(u"button", u"Other B", BS_AUTORADIOBUTTON, 130, 24, 100, 16, 2002)};
        for (HWND r : radios_) ASSERT_TRUE(r);
        Take();
    }
    std::vector<int> Checks() {
        std::vector<int> out;
        for (HWND r : radios_) out.push_back(int(Send(r, BM_GETCHECK)));
        return out;
    }
    std::vector<HWND> radios_;
};

TEST_F(ButtonsTest, TapsCheckOneRadioPerGroupAndTellTheParent) {
    const struct { int tapped; std::vector<int> checks; } cases[] = {  // tapped: an index into radios_
        {1, {0, 1, 0, 0, 0}},
        {3, {0, 1, 0, 1, 0}},  // another group: the first keeps its check
        {2, {0, 0, 1, 1, 0}},
        {2, {0, 0, 1, 1, 0}},  // tapping the checked one keeps it checked
        {4, {0, 0, 1, 0, 1}},
    };
    for (const auto& c : cases) {
        TapOn(radios_[size_t(c.tapped)]);
        EXPECT_EQ(Checks(), c.checks) << "after tapping " << c.tapped;
        const int id = device::GetDlgCtrlID(radios_[size_t(c.tapped)]);
        EXPECT_EQ(Take(), Events{"COMMAND id=" + std::to_string(id) + " code=0"});
    }
    // The program's own check gives no command and does not clear the others.
    Send(radios_[0], BM_SETCHECK, BST_CHECKED);
    EXPECT_EQ(Checks(), (std::vector<int>{1, 0, 1, 0, 1}));
    EXPECT_TRUE(CheckRadioButton(parentWindow_, 1014, 1016, 1015));
    EXPECT_EQ(Checks(), (std::vector<int>{0, 1, 0, 0, 1}));
    EXPECT_EQ(IsDlgButtonChecked(parentWindow_, 1015), BST_CHECKED);
    EXPECT_TRUE(Take().empty());
}

TEST_F(ButtonsTest, PushAndCheckButtonsClickOnlyWhenEnabled) {
    HWND push = Make(u"button", u"...", BS_PUSHBUTTON, 10, 100, 40, 20, 1046);
    HWND check = Make(u"button", u"Check", BS_AUTOCHECKBOX, 60, 100, 80, 20, 3000);
    const struct { HWND button; bool enabled; Events expected; int checkAfter; } cases[] = {
        {push, true, {"COMMAND id=1046 code=0"}, 0},
        {push, false, {}, 0},
        {check, true, {"COMMAND id=3000 code=0"}, 1},
        {check, true, {"COMMAND id=3000 code=0"}, 0},
        {check, false, {}, 0},
    };
    for (const auto& c : cases) {
        device::EnableWindow(c.button, c.enabled);
        TapOn(c.button);
        EXPECT_EQ(Take(), c.expected);
        EXPECT_EQ(Send(check, BM_GETCHECK), c.checkAfter);
    }
}

TEST_F(ButtonsTest, OwnerDrawnButtonGetsItsFaceFromTheParent) {
    HWND button = Make(u"button", u"", BS_OWNERDRAW, 100, 150, 12, 12, 1005);
    ASSERT_TRUE(button);
    std::vector<uint32_t> states;
    parent_->draw = [&](const DRAWITEMSTRUCT& item) {
        states.push_back(item.itemState);
        // Selected: red face; otherwise blue; disabled: grey.
        const gdi::COLORREF colour = (item.itemState & ODS_DISABLED)   ? gdi::RGB(128, 128, 128)
                                     : (item.itemState & ODS_SELECTED) ? gdi::RGB(255, 0, 0)
                                                                       : gdi::RGB(0, 0, 255);
        auto brush = gdi::CreateSolidBrush(colour);
        gdi::FillRect(item.hDC, &item.rcItem, brush.get());
        EXPECT_EQ(item.CtlType, ODT_BUTTON);
        EXPECT_EQ(item.hwndItem, button);
        EXPECT_EQ(item.rcItem, (gdi::RECT{0, 0, 12, 12}));
    };
    device::InvalidateRect(button, nullptr, true);
    dev().processPending();
    auto pixel = [&] { return dev().grabScreen().pixel(106, 26 + 156) & 0xFFFFFF; };
    EXPECT_EQ(pixel(), 0x0000FFu);

    dev().stylusDown(106, 26 + 156);
    dev().processPending();
    EXPECT_EQ(pixel(), 0xFF0000u);  // pressed
    dev().stylusUp(106, 26 + 156);
    dev().advance(1000);
    EXPECT_EQ(pixel(), 0x0000FFu);

    device::EnableWindow(button, false);
    dev().processPending();
    EXPECT_EQ(pixel(), 0x808080u);
    TapOn(button);
    const Events events = Take();
    EXPECT_EQ(std::count(events.begin(), events.end(), "COMMAND id=1005 code=0"), 1);  // only the enabled tap
    ASSERT_GE(states.size(), 3u);
    EXPECT_TRUE(std::find(states.begin(), states.end(), ODS_SELECTED) != states.end());
}

}  // namespace
}  // namespace forms_test
