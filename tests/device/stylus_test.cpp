#include "device_fixture.h"

#include "platform/device/activation.h"
#include "platform/device/input.h"

namespace device_test {
namespace {

const std::set<uint32_t> kStylus{WM_LBUTTONDOWN, WM_MOUSEMOVE, WM_LBUTTONUP, WM_LBUTTONDBLCLK};

class StylusTest : public DeviceTest {
protected:
    void SetUp() override {
        DeviceTest::SetUp();
        main_ = MakeRecorder("main", &log_, kStylus, WS_VISIBLE, {0, 26, 240, 294});
        left_ = MakeRecorder("left", &log_, kStylus, WS_CHILD | WS_VISIBLE, {0, 100, 120, 200}, main_.window, 1);
        right_ = MakeRecorder("right", &log_, kStylus, WS_CHILD | WS_VISIBLE, {120, 100, 240, 200}, main_.window, 2);
        ASSERT_TRUE(main_.window && left_.window && right_.window);
        log_.clear();
    }
    Log log_;
    Made main_, left_, right_;
};

TEST_F(StylusTest, GoesToTheWindowUnderThePointInClientCoordinates) {
    struct { int x, y; const char* window; int cx, cy; } cases[] = {
        {10, 30, "main", 10, 4},      // above the children
        {10, 126, "left", 10, 0},     // the left child's corner (screen y 26 + 100)
        {119, 225, "left", 119, 99},  // its last pixel
        {120, 126, "right", 0, 0},    // the neighbour's first
        {200, 240, "main", 200, 214}, // below both
    };
    for (const auto& c : cases) {
        log_.clear();
        dev().tap(c.x, c.y);
        dev().advance(1000);  // keep the taps apart: no double taps here
        const Log expected{{c.window, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(c.cx, c.cy)},
                           {c.window, WM_LBUTTONUP, 0, MAKELPARAM(c.cx, c.cy)}};
        EXPECT_EQ(log_, expected) << c.x << "," << c.y;
    }
}

TEST_F(StylusTest, NothingGoesToHiddenOrDisabledWindowsOrTheTaskBar) {
    ShowWindow(right_.window, SW_HIDE);
    dev().tap(130, 150);  // falls through to the main window
    EnableWindow(left_.window, false);
    dev().advance(1000);
    dev().tap(10, 150);   // on the disabled child: dropped
    dev().advance(1000);
    dev().tap(10, 10);    // on the task bar: dropped
    const Log expected{{"main", WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(130, 124)},
                       {"main", WM_LBUTTONUP, 0, MAKELPARAM(130, 124)}};
    EXPECT_EQ(log_, expected);
}

TEST_F(StylusTest, CaptureTakesEverythingAndReleaseAboveTheWindowReadsHighWords) {
    left_.recorder->onMessage = [&](uint32_t msg, WPARAM, LPARAM) {
        if (msg == WM_LBUTTONDOWN) SetCapture(left_.window);
        if (msg == WM_LBUTTONUP) ReleaseCapture();
        return false;
    };
    dev().stylusDown(10, 130);
    dev().stylusMove(200, 130);  // over the right child: still the left one's
    dev().stylusUp(10, 125);     // one pixel above the left child
    dev().advance(1000);
    dev().stylusDown(10, 130);
    dev().stylusUp(10, 100);     // 26 pixels above it
    dev().advance(1000);
    dev().tap(200, 130);         // capture released: the right child again
    const Log expected{
        {"left", WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(10, 4)},
        {"left", WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(200, 4)},
        {"left", WM_LBUTTONUP, 0, LPARAM(0xFFFF000A)},
        {"left", WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(10, 4)},
        {"left", WM_LBUTTONUP, 0, LPARAM(0xFFE6000A)},
        {"right", WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(80, 4)},
        {"right", WM_LBUTTONUP, 0, MAKELPARAM(80, 4)},
    };
    EXPECT_EQ(log_, expected);
}

// The wheel goes to the window under the pointer, one WM_MOUSEWHEEL per
// whole notch (touch-pad fractions add up); a window that leaves it to the
// default handling, as the thumbnail grid does, gets a line request a notch.
TEST_F(StylusTest, TheWheelTurnsWholeNotchesIntoTheWindowUnderThePointer) {
    const std::set<uint32_t> watched{WM_MOUSEWHEEL, WM_VSCROLL};
    Log log;
    Made grid = MakeRecorder("grid", &log, watched, WS_CHILD | WS_VISIBLE, {0, 0, 120, 50}, main_.window, 3);
    Made picture = MakeRecorder("picture", &log, watched, WS_CHILD | WS_VISIBLE, {120, 0, 240, 50}, main_.window, 4);
    picture.recorder->onMessage = [](uint32_t msg, WPARAM, LPARAM) { return msg == WM_MOUSEWHEEL; };
    input::Wheel({10, 30}, -2 * WHEEL_DELTA, Qt::NoModifier);
    input::Wheel({130, 30}, 60, Qt::ControlModifier);
    input::Wheel({130, 30}, 60, Qt::ControlModifier);
    input::Wheel({10, 5}, WHEEL_DELTA, Qt::NoModifier);  // the task bar
    const Log expected{{"grid", WM_MOUSEWHEEL, MAKEWPARAM(0, -2 * WHEEL_DELTA), MAKELPARAM(10, 30)},
                       {"grid", WM_VSCROLL, SB_LINEDOWN, 0},
                       {"grid", WM_VSCROLL, SB_LINEDOWN, 0},
                       {"picture", WM_MOUSEWHEEL, MAKEWPARAM(int32_t(MK_CONTROL), WHEEL_DELTA), MAKELPARAM(130, 30)}};
    EXPECT_EQ(log, expected);
}

}  // namespace
}  // namespace device_test
