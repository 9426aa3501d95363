#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QElapsedTimer>

#include <sstream>
#include <string>
#include <vector>

#include "files/temp_folder.h"
#include "headless/fake_target.h"
#include "headless/test_application.h"
#include "platform/headless/script_driver.h"

namespace headless {
namespace {

// Turns the event loop until the driver is done (or a generous time passed).
void RunUntilFinished(const ScriptDriver& driver) {
    QElapsedTimer elapsed;
    elapsed.start();
    while (!driver.finished() && elapsed.elapsed() < 5000) QCoreApplication::processEvents();
    ASSERT_TRUE(driver.finished());
}

// Each command is a call and a loop turn ("pending") until the script ends, a line
// or command fails, or the program ends; then the program is closed.
TEST(ScriptDriver, RunsLinesUntilTheEndAFailureOrTheProgramEnds) {
    const testing_support::TempFolder folder;
    const auto turns = [](std::vector<std::string> calls) {
        std::vector<std::string> turned;
        for (const std::string& call : calls) turned.insert(turned.end(), {call, "pending"});
        return turned;
    };
    folder.WriteFile("blocker", "a file, not a folder");
    struct Case {
        const char* script; std::optional<int> exitAfterCalls; bool screen; std::vector<std::string> calls; int status;
        std::string error;
    };
    const Case cases[] = {
        {"tap 3 4\ndown 1 2\nmove 5 6\nup 7 -8\ndbltap 9 9\nhold 8 8\nwheel 1 2 -3 Ctrl\nappkey 3\ncommand 40012\ntype a b\nwait 250",
         std::nullopt, true,
         turns({"down 3 4", "up 3 4", "down 1 2", "move 5 6", "up 7 -8", "dbltap 9 9", "hold 8 8", "wheel 1 2 -3+67108864",
                "appkey 3", "command 40012", "type a b", "advance 250", "quit"}),
         0, ""},
        {"wait 5\nwait later\nappkey 2\n", std::nullopt, true, turns({"advance 5", "quit"}), 2, "<stdin>:2: wait takes MS"},
        {"wait 1\nshot a.png\nwait 2\n", std::nullopt, false, {"advance 1", "pending", "screen", "quit", "pending"}, 1,
         "<stdin>:2: there is no screen to take a shot of\n"},
        {"tap 1 1\nshot blocker/x.png\ntap 2 2", std::nullopt, true,
         {"down 1 1", "pending", "up 1 1", "pending", "screen", "quit", "pending"}, 1, "cannot write"},
        {"dump blocker/x.txt\ntap 2 2", std::nullopt, true, {"dump", "quit", "pending"}, 1, "cannot write"},
        // The program ending on its own ends the script; its code is the status.
        {"key Ctrl+Q\nappkey 2\n", 2, true, turns({"key 81+67108864", "quit"}), 9, ""},
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
        ScriptDriver driver(target, ScriptSource(lines), folder.path(), "<stdin>");
        driver.Start();
        EXPECT_TRUE(target.calls.empty()) << "nothing runs before the loop turns";
        RunUntilFinished(driver);
        const std::string errors = testing::internal::GetCapturedStderr();
        EXPECT_EQ(target.calls, c.calls);
        EXPECT_EQ(driver.ExitStatus(), c.status);
        EXPECT_NE(errors.find(c.error), std::string::npos) << errors;
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
