// A stroke that wanders off its starting point is a drag: the next quick
// tap starts a new pair instead of completing a double tap.
#include "device_fixture.h"

namespace device_test {
namespace {

TEST_F(DeviceTest, AStrokeThatMovedFartherThanATapIsNoFirstTap) {
    Log log;
    Made main = MakeRecorder("main", &log, {WM_LBUTTONDOWN, WM_LBUTTONDBLCLK}, WS_VISIBLE, {0, 26, 240, 294});
    ASSERT_TRUE(main.window);
    // The double-tap distance is Qt's default of 5 pixels.
    struct { const char* what; int moveDx; int upDx; bool isDouble; } cases[] = {
        {"still", 0, 0, true},
        {"within the distance", 5, 5, true},
        {"past it while moving", 30, 0, false},
        {"past it only at the lift", 0, 30, false},
        {"one pixel past it", 6, 6, false},
    };
    for (const auto& c : cases) {
        dev().advance(5000);
        log.clear();
        dev().stylusDown(50, 100);
        dev().stylusMove(50 + c.moveDx, 100);
        dev().stylusUp(50 + c.upDx, 100);
        dev().advance(100);
        dev().stylusDown(50, 100);
        dev().stylusUp(50, 100);
        ASSERT_EQ(log.size(), 2u) << c.what;
        EXPECT_EQ(log[1].msg, c.isDouble ? WM_LBUTTONDBLCLK : WM_LBUTTONDOWN) << c.what;
    }
    DestroyWindow(main.window);
}

}  // namespace
}  // namespace device_test
