#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "app/entry.h"
#include "files/temp_folder.h"
#include "headless/test_application.h"
#include "platform/device/message_loop.h"
#include "support/stand_in_window.h"

namespace ezo {
namespace {

namespace fs = std::filesystem;

int EndsAtOnce(HINSTANCE, const char16_t*, int) { return 0; }
int FailsAtOnce(HINSTANCE, const char16_t*, int) { return 3; }
int RunsAWindow(HINSTANCE instance, const char16_t*, int) {
    return instance && device::CreateStandInWindow() ? device::RunMessageLoop() : 5;
}

TEST(RunProgram, AHeadlessRunReportsAScriptThatNeverRan) {
    headless::EnsureTestApplication();
    const testing_support::TempFolder temp;
    const fs::path folder = temp.path();
    std::ofstream(folder / "s.ezs") << "wait 10\nshot a.png\n";

    const std::pair<ProgramEntry, int> cases[] = {
        {RunsAWindow, 0},
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
}

TEST(HasDisplay, NeedsADisplayOrAChosenPlatform) {
    EXPECT_FALSE(HasDisplay(nullptr, nullptr, nullptr));
    EXPECT_FALSE(HasDisplay("", "", ""));
    EXPECT_TRUE(HasDisplay(":0", nullptr, nullptr));
    EXPECT_TRUE(HasDisplay(nullptr, "wayland-0", nullptr));
    EXPECT_TRUE(HasDisplay(nullptr, nullptr, "offscreen"));
}

TEST(ParseOptions, AcceptsGoodArgumentLists) {
    struct Case {
        std::vector<std::string> args; std::string path, root, script, output; int scale;
        std::optional<uint64_t> memory; bool headless, help;
    };
    const Case cases[] = {
        {{}, "", "", "", "", 0, std::nullopt, false, false},
        {{"/pics", "--root", "/dev/root", "--scale", "8"}, "/pics", "/dev/root", "", "", 8, std::nullopt, false, false},
        {{"--scale=1", "--memory=64M"}, "", "", "", "", 1, 64ull << 20, false, false},
        {{"--script", "a.ezs"}, "", "", "a.ezs", "", 0, std::nullopt, true, false},  // a script means headless
        {{"--headless", "--output", "out", "-h"}, "", "", "", "out", 0, std::nullopt, true, true},
        // After "--" everything is a path, even what looks like an option.
        {{"--", "--scale"}, "--scale", "", "", "", 0, std::nullopt, false, false},
        {{"-"}, "-", "", "", "", 0, std::nullopt, false, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::PrintToString(c.args));
        const ParsedOptions parsed = ParseOptions(c.args);
        ASSERT_TRUE(parsed.options) << parsed.error;
        const Options& o = *parsed.options;
        EXPECT_EQ(std::tie(o.path, o.root, o.script, o.output), std::tie(c.path, c.root, c.script, c.output));
        EXPECT_EQ(std::tie(o.scale, o.memory, o.headless, o.help), std::tie(c.scale, c.memory, c.headless, c.help));
    }
    const ParsedOptions folders = ParseOptions(std::vector<std::string>{"--config=c", "--cache", "k"});
    ASSERT_TRUE(folders.options);
    EXPECT_EQ(folders.options->config + folders.options->cache, "ck");
}

TEST(ParseOptions, RefusesBadArgumentListsNamingTheProblem) {
    const std::pair<std::vector<std::string>, std::string> cases[] = {
        {{"--roots=/a"}, "unknown option '--roots=/a'"},
        {{"--scale"}, "--scale needs a value"},
        {{"--scale", "0"}, "from 1 to 8"},
        {{"--scale", "9"}, "from 1 to 8"},
        {{"--scale", "2x"}, "not '2x'"},
        {{"--memory", "0"}, "--memory"},
        {{"--root", ""}, "--root needs a non-empty value"},
        {{"--cache="}, "--cache needs a non-empty value"},
        {{"a", "b"}, "only one PATH"},
        {{"--output", "o"}, "--output only applies"},
    };
    for (const auto& [args, fragment] : cases) {
        const ParsedOptions parsed = ParseOptions(args);
        EXPECT_FALSE(parsed.options) << testing::PrintToString(args);
        EXPECT_NE(parsed.error.find(fragment), std::string::npos) << parsed.error;
    }
}

TEST(ParseMemorySize, ScalesSuffixesAndRefusesOverflow) {
    const std::pair<const char*, std::optional<uint64_t>> cases[] = {
        {"1", 1},
        {"1k", 1024},
        {"1G", 1ull << 30},
        {"17179869183G", 17179869183ull << 30},  // the largest that fits
        {"17179869184G", std::nullopt},          // one more overflows
        {"18446744073709551616", std::nullopt},
        {"", std::nullopt},
        {"0K", std::nullopt},
        {"1MB", std::nullopt},
    };
    for (const auto& [text, expected] : cases) EXPECT_EQ(ParseMemorySize(text), expected) << text;
}

}  // namespace
}  // namespace ezo
