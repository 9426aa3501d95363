// Top-level windows that take no activation (menus, menu bars): showing,
// tapping or running one modally leaves the active window as it was, and a
// modal one has the keys only while it runs.
#include "device_fixture.h"

#include "platform/device/activation.h"

namespace device_test {
namespace {

class Passive final : public Window {
public:
    std::function<void()> onUser;
    LRESULT WindowProc(uint32_t msg, WPARAM wParam, LPARAM lParam) override {
        if (msg == WM_USER && onUser) onUser();
        return DefWindowProc(this, msg, wParam, lParam);
    }
    bool TakesActivation() const override { return false; }
};

TEST_F(DeviceTest, AWindowThatTakesNoActivationLeavesTheActiveWindowAsItWas) {
    Log log;
    Made main = MakeRecorder("main", &log, {WM_ACTIVATE}, WS_VISIBLE, {0, 26, 240, 294});
    Made field = MakeRecorder("field", &log, {}, WS_CHILD | WS_VISIBLE, {0, 0, 100, 20}, main.window, 1);
    ASSERT_TRUE(main.window && field.window);
    SetFocus(field.window);
    auto object = std::make_unique<Passive>();
    Passive* passive = object.get();
    HWND popup = CreateWindowFor(std::move(object), u"Passive", 0, u"", WS_POPUP, 0, 200, 240, 94, main.window, 0);
    ASSERT_TRUE(popup);
    log.clear();

    ShowWindow(popup, SW_SHOW);
    dev().tap(120, 250);
    EXPECT_EQ(GetActiveWindow(), main.window);

    HWND focusInside = nullptr;
    HWND activeInside = nullptr;
    passive->onUser = [&] {
        focusInside = GetFocus();
        activeInside = GetActiveWindow();
        EndModalLoop(popup, 7);
    };
    PostMessage(popup, WM_USER, 0, 0);
    EXPECT_EQ(RunModalLoop(popup), 7);
    EXPECT_EQ(focusInside, popup);  // the keys go to it while it runs
    EXPECT_EQ(activeInside, main.window);
    EXPECT_EQ(GetActiveWindow(), main.window);
    EXPECT_EQ(GetFocus(), field.window);
    EXPECT_TRUE(log.empty()) << log.front();  // no WM_ACTIVATE either way
    DestroyWindow(popup);
    DestroyWindow(main.window);
}

}  // namespace
}  // namespace device_test
