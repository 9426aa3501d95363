#include "device_fixture.h"

#include <thread>

#include "platform/device/activation.h"
#include "platform/device/message_box.h"
#include "platform/device/timers.h"
#include "platform/device/screen.h"
#include "platform/device/window_api.h"

namespace device_test {
namespace {

TEST_F(DeviceTest, DumpListsWindowsActivationTimersAndBeeps) {
    Log log;
    Made main = MakeRecorder("Ezo", &log, {}, WS_VISIBLE, {0, 26, 240, 294});
    Made child = MakeRecorder("Thumb", &log, {}, WS_CHILD, {0, 101, 240, 194}, main.window, 1004);
    SetTimer(main.window, 1, 3000, nullptr);
    SetFocus(child.window);
    MessageBeep(0);
    MessageBeep(0);
    dev().addDumpSource([](DumpWriter& out) { out.write("browseMode", 1); });
    const std::string expected =
        "window: class=Recorder id=0 title=\"Ezo\" rect=0,26,240,268 visible=1 enabled=1\n"
        "  window: class=Recorder id=1004 title=\"Thumb\" rect=0,101,240,93 visible=0 enabled=1\n"
        "active: \"Ezo\"\n"
        "taskbar: shown\n"
        "wait: hidden\n"
        "focus: class=Recorder id=1004 title=\"Thumb\"\n"
        "capture: none\n"
        "modal: none\n"
        "timer: class=Recorder id=0 title=\"Ezo\" timer=1 period=3000\n"
        "beeps: 2\n"
        "browseMode: 1\n";
    EXPECT_EQ(dev().dumpState(), expected);
    EXPECT_EQ(dev().desktopWindow()->windowTitle(), QStringLiteral("Ezo"));
    SetWindowText(main.window, u"Ezo - a");
    EXPECT_EQ(dev().desktopWindow()->windowTitle(), QStringLiteral("Ezo - a"));
    DestroyWindow(main.window);
    EXPECT_TRUE(dev().timers().running().empty());  // its timers went with it
}

TEST_F(DeviceTest, MessagesPostedFromAnotherThreadArriveInOrderOnTheUiThread) {
    Log log;
    Made w = MakeRecorder("w", &log, {WM_USER}, WS_VISIBLE, {0, 26, 240, 294});
    std::vector<bool> onUiThread;
    const auto ui = std::this_thread::get_id();
    w.recorder->onMessage = [&](uint32_t msg, WPARAM, LPARAM) {
        if (msg == WM_USER) onUiThread.push_back(std::this_thread::get_id() == ui);
        return false;
    };
    std::thread worker([&] {
        for (int i = 0; i < 50; ++i) PostMessage(w.window, WM_USER, WPARAM(i), 0);
    });
    worker.join();
    EXPECT_TRUE(log.empty());
    dev().processPending();
    ASSERT_EQ(log.size(), 50u);
    for (size_t i = 0; i < log.size(); ++i) EXPECT_EQ(log[i].wParam, i);
    EXPECT_EQ(std::count(onUiThread.begin(), onUiThread.end(), true), 50);
    DestroyWindow(w.window);
}

// The program puts its own box in place of this one; its layout still keeps
// a text taller than the screen on it.
TEST(MessageBoxLayout, ATallTextStaysOnTheScreen) {
    const MessageBoxLayout tall = LayoutMessageBox(MB_OK, 5000);
    EXPECT_GE(tall.box.top, 26);
    EXPECT_LE(tall.box.bottom, 294);
}

TEST(TaskBarClock, VirtualTimeCountsFromNoonAndWrapsAtMidnight) {
    const std::pair<uint64_t, int> cases[] = {
        {0, 720}, {59'999, 720}, {60'000, 721}, {11 * 3'600'000ull + 59 * 60'000ull, 1439}, {12 * 3'600'000ull, 0},
    };
    for (auto [ms, minutes] : cases) EXPECT_EQ(TaskBarMinutes(true, ms), minutes) << ms;
}

}  // namespace
}  // namespace device_test
