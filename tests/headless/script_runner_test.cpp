#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "headless/fake_target.h"
#include "platform/headless/script_runner.h"

namespace headless {
namespace {

std::vector<ScriptCommand> Parse(const char* text) {
    ParsedScript script = ParseScript(text);
    EXPECT_FALSE(script.error) << script.error->message;
    return script.commands;
}

class ScriptRunnerTest : public testing::Test {
protected:
    std::filesystem::path folder = std::filesystem::temp_directory_path() /
                                   ("ezo_runner_" + std::to_string(::getpid()) + "_" +
                                    testing::UnitTest::GetInstance()->current_test_info()->name());
    void SetUp() override { std::filesystem::create_directories(folder); }
    void TearDown() override { std::filesystem::remove_all(folder); }
};

TEST_F(ScriptRunnerTest, TurnsCommandsIntoTargetCallsWithPendingWorkBetween) {
    const std::pair<const char*, std::vector<std::string>> cases[] = {
        {"tap 3 4", {"down 3 4", "pending", "up 3 4", "pending"}},
        {"down 1 2\nmove 5 6\nup 7 -8", {"down 1 2", "pending", "move 5 6", "pending", "up 7 -8", "pending"}},
        {"dbltap 9 9\nhold 8 8", {"dbltap 9 9", "pending", "hold 8 8", "pending"}},
        {"key Ctrl+Q", {"key 81+67108864", "pending"}},
        {"appkey 3\ncommand 40012", {"appkey 3", "pending", "command 40012", "pending"}},
        {"type a b", {"type a b", "pending"}},
        {"wait 250", {"advance 250", "pending"}},
        {"quit\ntap 1 1", {"quit", "pending"}},
    };
    for (const auto& [script, expected] : cases) {
        SCOPED_TRACE(script);
        FakeTarget target;
        ScriptRunner runner(target, folder);
        runner.Run(Parse(script));
        EXPECT_EQ(target.calls, expected);
        EXPECT_FALSE(runner.error());
        EXPECT_EQ(runner.exitCode(), 0);
    }
}

TEST_F(ScriptRunnerTest, StopsWhenTheProgramEndsAndReportsItsExitCode) {
    FakeTarget target;
    target.exitAfterCalls = 2;  // the key and its pending work end the program
    target.exitCode = 7;
    ScriptRunner runner(target, folder);
    runner.Run(Parse("key Ctrl+Q\ntap 1 1\n"));
    EXPECT_EQ(target.calls, (std::vector<std::string>{"key 81+67108864", "pending"}));
    EXPECT_TRUE(runner.finished());
    EXPECT_EQ(runner.exitCode(), 7);
    EXPECT_FALSE(runner.Execute(Parse("tap 1 1")[0]));
}

TEST_F(ScriptRunnerTest, WritesShotsAndDumpsBesideTheOutputFolder) {
    FakeTarget target;
    target.screen.fill(Qt::red);
    ScriptRunner runner(target, folder);
    const std::string absolute = (folder / "abs.txt").string();
    runner.Run(Parse(("shot sub/a.png\ndump state.txt\ndump " + absolute).c_str()));
    ASSERT_FALSE(runner.error()) << runner.error()->message;

    const QImage shot(QString::fromStdString((folder / "sub/a.png").string()));
    ASSERT_FALSE(shot.isNull());
    EXPECT_EQ(shot.size(), QSize(240, 320));
    EXPECT_EQ(shot.pixelColor(239, 319), QColor(Qt::red));

    for (const auto& path : {folder / "state.txt", std::filesystem::path(absolute)}) {
        std::ifstream in(path);
        std::stringstream text;
        text << in.rdbuf();
        EXPECT_EQ(text.str(), "screen: 240x320\n") << path;
    }
}

TEST_F(ScriptRunnerTest, FailsOnAFileItCannotWriteAndStops) {
    std::ofstream(folder / "blocker") << "a file, not a folder";
    const std::pair<const char*, std::string> cases[] = {
        {"tap 1 1\nshot blocker/x.png\ntap 2 2", "cannot write"},
        {"dump blocker/x.txt\ntap 2 2", "cannot write"},
    };
    for (const auto& [script, fragment] : cases) {
        SCOPED_TRACE(script);
        FakeTarget target;
        ScriptRunner runner(target, folder);
        runner.Run(Parse(script));
        ASSERT_TRUE(runner.error());
        EXPECT_NE(runner.error()->message.find(fragment), std::string::npos) << runner.error()->message;
        EXPECT_EQ(runner.exitCode(), 1);
        EXPECT_EQ(std::count(target.calls.begin(), target.calls.end(), "down 2 2"), 0);
    }
}

}  // namespace
}  // namespace headless
