#include <gtest/gtest.h>

#include <filesystem>

#include "headless/test_application.h"
#include "support/stand_in_window.h"
#include "platform/device/device.h"
#include "platform/headless/device_target.h"
#include "platform/headless/script_runner.h"

namespace headless {
namespace {

// Scripts run in-process on a headless device with a stand-in window, the
// way scenario tests drive the program. stylus: the client point it saw last.
TEST(DeviceTarget, ScriptsReachTheWindowsThroughTheDevice) {
    const struct { const char* script; gdi::POINT stylus; int lastButton, ticks; } cases[] = {
        // Dragged out of the window, the stylus stays captured: negative client y.
        {"down 10 40\nmove 300 -50\nup 300 -50", {300, -76}, 0, 0},
        {"appkey 3", {-1, -1}, 3, 0},
        {"key 2", {-1, -1}, 2, 0},
        // With Ctrl held a digit is no button: the modifier must get through.
        {"key Ctrl+2", {-1, -1}, 0, 0},
        // The one-second timer on the virtual clock; a hold takes 500 ms of it.
        {"wait 2500\nhold 20 60", {20, 34}, 0, 3},
    };
    EnsureTestApplication();
    for (const auto& c : cases) {
        SCOPED_TRACE(c.script);
        auto device = device::Device::start({1, true, true});
        ASSERT_TRUE(device);
        device::StandInWindow* window = device::CreateStandInWindow();
        ASSERT_TRUE(window);
        DeviceTarget target(*device);
        ScriptRunner runner(target, std::filesystem::temp_directory_path());
        ParsedScript script = ParseScript(c.script);
        ASSERT_FALSE(script.error);
        runner.Run(script.commands);
        EXPECT_FALSE(runner.error());
        EXPECT_EQ(std::pair(window->stylus.x, window->stylus.y), std::pair(c.stylus.x, c.stylus.y));
        EXPECT_EQ(window->lastButton, c.lastButton);
        EXPECT_EQ(window->ticks, c.ticks);
        EXPECT_EQ(target.Screen().size(), QSize(240, 320));
    }
}

}  // namespace
}  // namespace headless
