#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "app/entry.h"
#include "headless/test_application.h"
#include "support/demo_window.h"
#include "platform/device/message_loop.h"

namespace ezo {
namespace {

namespace fs = std::filesystem;

int EndsAtOnce(HINSTANCE, const char16_t*, int) { return 0; }
int FailsAtOnce(HINSTANCE, const char16_t*, int) { return 3; }
int RunsTheDemo(HINSTANCE instance, const char16_t*, int) {
    return instance && device::CreateDemoWindow() ? device::RunMessageLoop() : 5;
}

TEST(RunProgram, AHeadlessRunReportsAScriptThatNeverRan) {
    headless::EnsureTestApplication();
    const fs::path folder = fs::temp_directory_path() / ("ezo_entry_" + std::to_string(::getpid()));
    fs::create_directories(folder);
    std::ofstream(folder / "s.ezs") << "wait 10\nshot a.png\n";

    const std::pair<ProgramEntry, int> cases[] = {
        {RunsTheDemo, 0},
        {EndsAtOnce, 1},  // ran no loop, so no command ran: not a success
        {FailsAtOnce, 3},
    };
    for (const auto& [entry, status] : cases) {
        fs::remove(folder / "a.png");
        Options options;
        options.headless = true;
        options.script = (folder / "s.ezs").string();
        options.root = folder.string();
        testing::internal::CaptureStderr();
        EXPECT_EQ(RunProgram(options, entry), status);
        const std::string errors = testing::internal::GetCapturedStderr();
        // Relative files land beside the script.
        EXPECT_EQ(fs::exists(folder / "a.png"), status == 0) << errors;
        EXPECT_EQ(errors.find("ended before the script") != std::string::npos, status != 0) << errors;
    }
    fs::remove_all(folder);
}

TEST(HasDisplay, NeedsADisplayOrAChosenPlatform) {
    EXPECT_FALSE(HasDisplay(nullptr, nullptr, nullptr));
    EXPECT_FALSE(HasDisplay("", "", ""));
    EXPECT_TRUE(HasDisplay(":0", nullptr, nullptr));
    EXPECT_TRUE(HasDisplay(nullptr, "wayland-0", nullptr));
    EXPECT_TRUE(HasDisplay(nullptr, nullptr, "offscreen"));
}

}  // namespace
}  // namespace ezo
