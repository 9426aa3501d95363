#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QElapsedTimer>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "headless/fake_target.h"
#include "headless/test_application.h"
#include "platform/headless/script_driver.h"
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

// Each command becomes its target's call, and the loop turns after each, until
// the script or the program ends.
TEST_F(ScriptRunnerTest, TurnsCommandsIntoTargetCallsUntilTheProgramEnds) {
    // exitAfterCalls: the program ends once this many calls were made.
    struct { const char* script; std::vector<std::string> calls; std::optional<int> exitAfterCalls; int exitCode; } cases[] = {
        {"tap 3 4\ndown 1 2\nmove 5 6\nup 7 -8\ndbltap 9 9\nhold 8 8\nwheel 1 2 -3 Ctrl\nappkey 3\ncommand 40012\ntype a b\nwait 250",
         {"down 3 4", "up 3 4", "down 1 2", "move 5 6", "up 7 -8", "dbltap 9 9", "hold 8 8", "wheel 1 2 -3+67108864", "appkey 3", "command 40012",
          "type a b", "advance 250"},
         std::nullopt, 0},
        {"quit\ntap 1 1", {"quit"}, std::nullopt, 0},
        {"key Ctrl+Q\ntap 1 1", {"key 81+67108864"}, 2, 7},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.script);
        FakeTarget target;
        target.exitAfterCalls = c.exitAfterCalls;
        target.exitCode = 7;
        ScriptRunner runner(target, folder);
        runner.Run(Parse(c.script));
        std::vector<std::string> expected;
        for (const std::string& call : c.calls) expected.insert(expected.end(), {call, "pending"});
        EXPECT_EQ(target.calls, expected);
        EXPECT_FALSE(runner.error());
        EXPECT_EQ(runner.exitCode(), c.exitCode);
    }
}

TEST_F(ScriptRunnerTest, WritesShotsAndDumpsBesideTheOutputFolder) {
    FakeTarget target;
    target.screen.fill(Qt::red);
    ScriptRunner runner(target, folder);
    const std::string absolute = (folder / "abs.txt").string();
    runner.Run(Parse(("shot sub/a.png\ndump state.txt\ndump " + absolute).c_str()));
    ASSERT_FALSE(runner.error()) << runner.error()->message;

    const QImage shot(QString::fromStdString((folder / "sub/a.png").string()));
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
    for (const char* script : {"tap 1 1\nshot blocker/x.png\ntap 2 2", "dump blocker/x.txt\ntap 2 2"}) {
        SCOPED_TRACE(script);
        FakeTarget target;
        ScriptRunner runner(target, folder);
        runner.Run(Parse(script));
        ASSERT_TRUE(runner.error());
        EXPECT_NE(runner.error()->message.find("cannot write"), std::string::npos) << runner.error()->message;
        EXPECT_EQ(runner.exitCode(), 1);
        EXPECT_EQ(std::count(target.calls.begin(), target.calls.end(), "down 2 2"), 0);
    }
}

// Turns the event loop until the driver is done (or a generous time passed).
void RunUntilFinished(const ScriptDriver& driver) {
    QElapsedTimer elapsed;
    elapsed.start();
    while (!driver.finished() && elapsed.elapsed() < 5000) QCoreApplication::processEvents();
    ASSERT_TRUE(driver.finished());
}

TEST(ScriptDriver, RunsLinesUntilTheEndAFailureOrTheProgramEnds) {
    struct Case {
        const char* script; std::optional<int> exitAfterCalls; bool screen; std::vector<std::string> calls; int status;
        std::string error;
    };
    const Case cases[] = {
        // The end of the script closes the program.
        {"wait 5\n\nappkey 2\n", std::nullopt, true, {"advance 5", "pending", "appkey 2", "pending", "quit", "pending"},
         0, ""},
        // A bad line or a failed command stops the run where it stands, and the program is closed.
        {"wait 5\nwait later\nappkey 2\n", std::nullopt, true, {"advance 5", "pending", "quit", "pending"}, 2,
         "<stdin>:2: wait takes MS"},
        {"wait 1\nshot a.png\nwait 2\n", std::nullopt, false, {"advance 1", "pending", "screen", "quit", "pending"}, 1,
         "<stdin>:2: there is no screen to take a shot of\n"},
        // The program ending on its own ends the script; its code is the status.
        {"key Ctrl+Q\nappkey 2\n", 2, true, {"key 81+67108864", "pending", "quit", "pending"}, 9, ""},
    };
    EnsureTestApplication();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.script);
        FakeTarget target;
        target.exitAfterCalls = c.exitAfterCalls;
        target.exitCode = 9;
        if (!c.screen) target.screen = QImage();
        std::istringstream lines(c.script);
        testing::internal::CaptureStderr();
        ScriptDriver driver(target, ScriptSource(lines), {}, "<stdin>");
        driver.Start();
        EXPECT_TRUE(target.calls.empty()) << "nothing runs before the loop turns";
        RunUntilFinished(driver);
        const std::string errors = testing::internal::GetCapturedStderr();
        EXPECT_EQ(target.calls, c.calls);
        EXPECT_EQ(driver.ExitStatus(), c.status);
        EXPECT_NE(errors.find(c.error), std::string::npos) << errors;
    }
}

// A program that quits on its own says what of the script it did not run.
TEST(ScriptDriver, AProgramThatQuitsOnItsOwnSaysWhatItDidNotRun) {
    const struct { const char* script; bool stream; const char* told; } cases[] = {
        {"key Ctrl+Q\nwait 1\nwait 2\n", false, "t.ezs:1: the program quit; the 2 commands after this line were not run\n"},
        {"wait 1\nkey Ctrl+Q\nwait 2\n", false, "t.ezs:2: the program quit; the 1 command after this line was not run\n"},
        {"key Ctrl+Q\nwait 1\n", true, "t.ezs:1: the program quit; the rest of the input was not read\n"},
        {"wait 1\nkey Ctrl+Q\n", false, ""},
        {"quit\nwait 1\n", false, ""},  // its own quit
    };
    EnsureTestApplication();
    for (const auto& c : cases) {
        SCOPED_TRACE(c.script);
        FakeTarget target;
        // The program ends on the key (its press is the first call).
        target.exitAfterCalls = std::string(c.script).starts_with("wait") ? 3 : 1;
        std::istringstream lines(c.script);
        testing::internal::CaptureStderr();
        ScriptDriver driver(target, c.stream ? ScriptSource(lines) : ScriptSource(ParseScript(c.script).commands), {},
                            "t.ezs");
        driver.Start();
        RunUntilFinished(driver);
        EXPECT_EQ(testing::internal::GetCapturedStderr(), c.told);
    }
}

TEST(ScriptDriver, DropsItsScheduledStepWhenDestroyed) {
    FakeTarget target;
    {
        ScriptDriver driver(target, ScriptSource(ParseScript("wait 1").commands), {}, "t.ezs");
        driver.Start();
    }
    EnsureTestApplication();
    QCoreApplication::processEvents();
    EXPECT_TRUE(target.calls.empty());
}

}  // namespace
}  // namespace headless
