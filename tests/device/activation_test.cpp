#include "device_fixture.h"

#include <QTimer>

#include "platform/device/activation.h"
#include "platform/device/timers.h"

namespace device_test {
namespace {

const std::set<uint32_t> kActivation{WM_ACTIVATE, WM_SETFOCUS, WM_KILLFOCUS};

LPARAM L(HWND window) { return LPARAM(window); }

TEST_F(DeviceTest, ModalWindowActivationInOrderAndTimersKeepFiring) {
    Log log;
    Made main = MakeRecorder("main", &log, kActivation, WS_VISIBLE, {0, 26, 240, 294});
    Made dialog = MakeRecorder("dialog", &log, kActivation, 0, {20, 80, 220, 200}, main.window);
    int ticks = 0;
    main.recorder->onMessage = [&](uint32_t msg, WPARAM, LPARAM) {
        if (msg == WM_TIMER) ++ticks;
        return msg == WM_TIMER;
    };
    ASSERT_TRUE(main.window && dialog.window);
    EXPECT_EQ(GetActiveWindow(), main.window);
    SetTimer(main.window, 1, 100, nullptr);
    log.clear();

    bool blockedInput = false;
    QTimer::singleShot(0, [&] {
        // Inside the modal loop: time passes, input to the main window is refused.
        dev().advance(350);
        blockedInput = !AcceptsInput(main.window) && AcceptsInput(dialog.window);
        EndModalLoop(dialog.window, 42);
    });
    const int result = RunModalLoop(dialog.window);

    EXPECT_EQ(result, 42);
    EXPECT_EQ(ticks, 3);
    EXPECT_TRUE(blockedInput);
    EXPECT_TRUE(IsWindowEnabled(main.window));
    EXPECT_EQ(GetActiveWindow(), main.window);
    const Log expected{
        {"main", WM_KILLFOCUS, 0, 0},  // the owner is disabled first
        {"main", WM_ACTIVATE, WA_INACTIVE, L(dialog.window)},
        {"dialog", WM_ACTIVATE, WA_ACTIVE, L(main.window)},
        {"dialog", WM_SETFOCUS, 0, 0},
        {"dialog", WM_ACTIVATE, WA_INACTIVE, L(main.window)},
        {"main", WM_ACTIVATE, WA_ACTIVE, L(dialog.window)},
        {"dialog", WM_KILLFOCUS, WPARAM(main.window), 0},
        {"main", WM_SETFOCUS, WPARAM(dialog.window), 0},
    };
    EXPECT_EQ(log, expected);
    DestroyWindow(main.window);
}

TEST_F(DeviceTest, ModalLoopEndsWhenItsWindowIsDestroyedOrTheQuitMessageArrives) {
    Log log;
    Made main = MakeRecorder("main", &log, {}, WS_VISIBLE, {0, 26, 240, 294});
    Made dialog = MakeRecorder("dialog", &log, {}, 0, {20, 80, 220, 200}, main.window);
    QTimer::singleShot(0, [&] { DestroyWindow(dialog.window); });
    EXPECT_EQ(RunModalLoop(dialog.window), 0);
    EXPECT_TRUE(IsWindowEnabled(main.window));

    Made second = MakeRecorder("second", &log, {}, 0, {20, 80, 220, 200}, main.window);
    QTimer::singleShot(0, [] { PostQuitMessage(3); });
    EXPECT_EQ(RunModalLoop(second.window), 0);
    EXPECT_EQ(dev().quitCode(), 3);
    EXPECT_EQ(RunMessageLoop(), 3);  // the outer loop does not start either
    DestroyWindow(main.window);
}

TEST_F(DeviceTest, DestructionSendsDestroyToTheParentWhileItsChildrenStillExist) {
    Log log;
    Made parent = MakeRecorder("parent", &log, {WM_DESTROY}, WS_VISIBLE, {0, 26, 240, 294});
    Made child = MakeRecorder("child", &log, {WM_DESTROY}, WS_CHILD | WS_VISIBLE, {0, 0, 50, 50}, parent.window, 5);
    Made grandchild = MakeRecorder("grandchild", &log, {WM_DESTROY}, WS_CHILD, {0, 0, 5, 5}, child.window, 6);
    bool childThere = false;
    parent.recorder->onMessage = [&](uint32_t msg, WPARAM, LPARAM) {
        if (msg == WM_DESTROY) childThere = GetDlgItem(parent.window, 5) == child.window;
        return false;
    };
    SetCapture(grandchild.window);
    ASSERT_TRUE(DestroyWindow(parent.window));
    EXPECT_TRUE(childThere);
    const Log expected{{"parent", WM_DESTROY, 0, 0}, {"child", WM_DESTROY, 0, 0}, {"grandchild", WM_DESTROY, 0, 0}};
    EXPECT_EQ(log, expected);
    EXPECT_FALSE(IsWindow(grandchild.window));
    EXPECT_EQ(GetCapture(), nullptr);
    EXPECT_FALSE(DestroyWindow(parent.window));
}

TEST_F(DeviceTest, AWindowClosedFromItsOwnProcedureIsFreedAfterTheCallReturns) {
    Log log;
    Made w = MakeRecorder("w", &log, {WM_CLOSE, WM_DESTROY}, WS_VISIBLE, {0, 26, 240, 294});
    bool aliveAfterClose = true;
    w.recorder->onMessage = [&](uint32_t msg, WPARAM, LPARAM) {
        if (msg != WM_COMMAND) return false;
        SendMessage(w.window, WM_CLOSE, 0, 0);  // the default handling destroys the window
        aliveAfterClose = IsWindow(w.window);
        PostMessage(w.window, WM_USER, 0, 0);  // dropped: the window is gone
        return true;
    };
    dev().command(1);
    dev().processPending();
    EXPECT_FALSE(aliveAfterClose);
    const Log expected{{"w", WM_CLOSE, 0, 0}, {"w", WM_DESTROY, 0, 0}};
    EXPECT_EQ(log, expected);
}

// Refused creations leave no window; absurd places and sizes are held in range
// instead of overflowing; a short buffer gets a cut title.
TEST_F(DeviceTest, BadCreationsAreRefusedAndAbsurdPlacesHeldInRange) {
    struct Refuser : Window {
        LRESULT WindowProc(uint32_t msg, WPARAM w, LPARAM l) override {
            return msg == WM_CREATE ? -1 : DefWindowProc(this, msg, w, l);
        }
    };
    EXPECT_EQ(CreateWindowFor(std::make_unique<Refuser>(), u"Refuser", 0, u"", WS_VISIBLE, 0, 0, 10, 10,
                              nullptr, 0),
              nullptr);
    // A child needs a parent that exists; a class must be known, and is registered once.
    EXPECT_EQ(CreateWindowFor(std::make_unique<Window>(), u"Plain", 0, u"", WS_CHILD, 0, 0, 10, 10, nullptr, 0),
              nullptr);
    EXPECT_EQ(CreateWindow(u"Nothing", u"", 0, 0, 0, 1, 1, nullptr, 0), nullptr);
    EXPECT_TRUE(TopLevelWindows().empty());
    ASSERT_TRUE(RegisterClass(u"Thing", 0, [] { return std::make_unique<Window>(); }));
    EXPECT_FALSE(RegisterClass(u"Thing", 0, [] { return std::make_unique<Window>(); }));
    UnregisterClass(u"Thing");

    Log log;
    Made w = MakeRecorder("Title", &log, {}, WS_VISIBLE, {0, 26, 240, 294});
    struct { int32_t x, y, w, h; gdi::RECT rect; } cases[] = {
        {INT32_MAX, INT32_MIN + 1, INT32_MAX, 5, {1 << 24, -(1 << 24), 1 << 25, -(1 << 24) + 5}},
        {0, -26, -5, 320, {0, -26, 0, 294}},
    };
    gdi::RECT r;
    for (const auto& c : cases) {
        ASSERT_TRUE(MoveWindow(w.window, c.x, c.y, c.w, c.h, true));
        ASSERT_TRUE(GetWindowRect(w.window, &r));
        EXPECT_EQ(r, c.rect);
    }
    dev().tap(INT32_MAX, INT32_MIN);  // far off the screen: nothing to hit, nothing overflows
    char16_t small[3];
    EXPECT_EQ(GetWindowText(w.window, small, 3), 2);
    EXPECT_EQ(std::u16string(small), u"Ti");
    DestroyWindow(w.window);
}

// Top-level windows that take no activation (menus, menu bars): showing,
// tapping or running one modally leaves the active window as it was, and a
// modal one has the keys only while it runs.
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
