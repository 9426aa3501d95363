#include "forms_fixture.h"

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
    EXPECT_TRUE(CheckRadioButton(hostWindow_, 1014, 1016, 1015));
    EXPECT_EQ(Checks(), (std::vector<int>{0, 1, 0, 0, 1}));
    EXPECT_EQ(IsDlgButtonChecked(hostWindow_, 1015), BST_CHECKED);
    EXPECT_TRUE(Take().empty());
}

TEST_F(ButtonsTest, PushButtonsClickOnlyWhenEnabled) {
    HWND push = Make(u"button", u"...", BS_PUSHBUTTON, 10, 100, 40, 20, 1046);
    for (bool enabled : {true, false}) {
        device::EnableWindow(push, enabled);
        TapOn(push);
        EXPECT_EQ(Take(), enabled ? Events{"COMMAND id=1046 code=0"} : Events{}) << enabled;
    }
}

}  // namespace
}  // namespace forms_test
