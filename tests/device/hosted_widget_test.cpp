#include "device_fixture.h"

#include <QLineEdit>
#include <QPushButton>

#include "platform/device/activation.h"
#include "platform/device/painting.h"
#include "platform/device/screen.h"

namespace device_test {
namespace {

// A window that shows a Qt widget, as the controls do.
template <typename Widget>
class Host final : public Window {
public:
    Widget* widget = nullptr;
    LRESULT WindowProc(uint32_t msg, WPARAM wParam, LPARAM lParam) override {
        if (msg == WM_CREATE) {
            widget = new Widget(data().widget);
            widget->setGeometry(0, 0, data().rect.width(), data().rect.height());
        }
        return DefWindowProc(this, msg, wParam, lParam);
    }
    QWidget* hostedWidget() override { return widget; }
};

template <typename Widget>
Host<Widget>* MakeHost(HWND parent, gdi::RECT r, int id) {
    auto object = std::make_unique<Host<Widget>>();
    Host<Widget>* host = object.get();
    const HWND window = CreateWindowFor(std::move(object), u"Host", 0, u"", WS_CHILD | WS_VISIBLE, r.left, r.top,
                                       r.width(), r.height(), parent, id);
    return window ? host : nullptr;
}

TEST_F(DeviceTest, WindowsShowingQtWidgetsGetTheStylusAndKeysAsQtEvents) {
    Log log;
    Made main = MakeRecorder("main", &log, {WM_LBUTTONDOWN, WM_CHAR, WM_KEYDOWN}, WS_VISIBLE, {0, 26, 240, 294});
    auto* button = MakeHost<QPushButton>(main.window, {10, 10, 110, 40}, 1);
    auto* edit = MakeHost<QLineEdit>(main.window, {10, 50, 230, 80}, 2);
    ASSERT_TRUE(button && edit);
    int clicks = 0;
    QObject::connect(button->widget, &QPushButton::clicked, [&] { ++clicks; });

    dev().tap(60, 26 + 25);  // on the button
    dev().advance(1000);
    dev().tap(200, 26 + 25); // beside it: the main window's
    EXPECT_EQ(clicks, 1);
    ASSERT_EQ(log.size(), 1u);
    EXPECT_EQ(log[0].msg, WM_LBUTTONDOWN);

    SetFocus(edit);
    dev().typeText(u"abc");
    dev().key(Qt::Key_3);      // a digit goes into the text, not to the buttons
    dev().key(Qt::Key_Backspace);
    dev().key(Qt::Key_4);
    EXPECT_EQ(edit->widget->text(), QStringLiteral("abc4"));
    EXPECT_EQ(log.size(), 1u);  // nothing of it reached the main window
    EXPECT_EQ(BackingStore(GetDlgItem(main.window, 2)), nullptr);  // Qt paints it
    DestroyWindow(main.window);
}

TEST(TaskBarClock, VirtualTimeCountsFromNoonAndWrapsAtMidnight) {
    const std::pair<uint64_t, int> cases[] = {
        {0, 720}, {59'999, 720}, {60'000, 721}, {11 * 3'600'000ull + 59 * 60'000ull, 1439}, {12 * 3'600'000ull, 0},
    };
    for (auto [ms, minutes] : cases) EXPECT_EQ(TaskBarMinutes(true, ms), minutes) << ms;
}

}  // namespace
}  // namespace device_test
