// The About box: full screen under the task bar, with the program's name,
// icon and wordmark, and closed only by Done.
#include "dialogs_fixture.h"
#include "platform/controls/static_control.h"
#include "platform/device/screen.h"

namespace dialogs_test {
namespace {

class AboutBoxTest : public DialogsTest {};

TEST_F(AboutBoxTest, FillsTheScreenShowsWhereEzoComesFromAndClosesByDone) {
    Start();
    dev().command(ezo::IDM_TITLE_BAR);  // hidden: the box brings it back first
    ASSERT_FALSE(device::TaskBarShown());
    During(ezo::IDM_ABOUT, [&](HWND box) {
        EXPECT_TRUE(device::TaskBarShown());
        EXPECT_EQ(program().viewState.titleBarHidden, 0);
        EXPECT_EQ(box->data().rect, (gdi::RECT{0, 26, 240, 294}));
        std::vector<std::u16string> texts;
        int pictures = 0;
        for (HWND item : box->data().children) {
            if (device::SendMessage(item, controls::STM_GETIMAGE, 0, 0)) ++pictures;
            else texts.push_back(Text(item));
        }
        EXPECT_EQ(pictures, 2);  // the icon and the wordmark, both loaded
        ASSERT_EQ(texts.size(), 5u);
        EXPECT_EQ(texts.front(), u"Image viewer Ezo 0.7b");
        EXPECT_EQ(texts.back(), u"This software is based in part on the work of the Independent JPEG Group.");
        TapAt(100, 13);  // the task bar's title: nothing
        EXPECT_TRUE(device::IsWindow(box));
        TapDone();
        EXPECT_EQ(device::ModalWindow(), nullptr);  // closed
    });
    EXPECT_EQ(device::GetActiveWindow(), window_);
}

}  // namespace
}  // namespace dialogs_test
