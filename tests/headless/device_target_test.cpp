#include <gtest/gtest.h>

#include <filesystem>

#include "headless/test_application.h"
#include "support/demo_window.h"
#include "platform/device/device.h"
#include "platform/device/window.h"
#include "platform/headless/device_target.h"
#include "platform/headless/script_runner.h"

namespace headless {
namespace {

// stylus: the client coordinates the demo window saw last.
struct DemoCase { const char* script; gdi::POINT stylus, marker; int lastButton, ticks; };

// Scripts run in-process on a headless device with the demo window, the way
// scenario tests drive the program.
TEST(DeviceTarget, ScriptsReachTheWindowsThroughTheDevice) {
    const DemoCase cases[] = {
        // Dragged out of the window, the stylus stays captured: negative client y.
        {"down 10 40\nmove 300 -50\nup 300 -50", {300, -76}, {112, 120}, 0, 0},
        {"appkey 3", {-1, -1}, {112, 120}, 3, 0},
        {"key 2", {-1, -1}, {112, 120}, 2, 0},
        // With Ctrl held a digit is no button: the modifier must get through.
        {"key Ctrl+2", {-1, -1}, {112, 120}, 0, 0},
        // The one-second timer on the virtual clock; a hold takes 500 ms of it.
        {"wait 2500\nhold 20 60", {20, 34}, {112, 120}, 0, 3},
    };
    EnsureTestApplication();
    for (const DemoCase& c : cases) {
        SCOPED_TRACE(c.script);
        auto device = device::Device::start({1, true, true});
        ASSERT_TRUE(device);
        auto* demo = static_cast<device::DemoWindow*>(device::CreateDemoWindow());
        ASSERT_TRUE(demo);
        DeviceTarget target(*device);
        ScriptRunner runner(target, std::filesystem::temp_directory_path());
        ParsedScript script = ParseScript(c.script);
        ASSERT_FALSE(script.error);
        runner.Run(script.commands);
        EXPECT_FALSE(runner.error());
        EXPECT_EQ(std::pair(demo->stylus().x, demo->stylus().y), std::pair(c.stylus.x, c.stylus.y));
        EXPECT_EQ(std::pair(demo->marker().x, demo->marker().y), std::pair(c.marker.x, c.marker.y));
        EXPECT_EQ(demo->lastButton(), c.lastButton);
        EXPECT_EQ(demo->ticks(), c.ticks);
        EXPECT_EQ(target.Screen().size(), QSize(240, 320));
    }
}

}  // namespace
}  // namespace headless
