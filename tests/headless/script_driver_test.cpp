#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QElapsedTimer>

#include <sstream>

#include "headless/fake_target.h"
#include "headless/test_application.h"
#include "platform/headless/script_driver.h"

namespace headless {
namespace {

// Turns the event loop until the driver is done (or a generous time passed).
void RunUntilFinished(const ScriptDriver& driver) {
    EnsureTestApplication();
    QElapsedTimer elapsed;
    elapsed.start();
    while (!driver.finished() && elapsed.elapsed() < 5000) QCoreApplication::processEvents();
    ASSERT_TRUE(driver.finished());
}

struct DriverCase {
    const char* script;
    std::optional<int> exitAfterCalls;
    std::vector<std::string> calls;
    int status;
};

TEST(ScriptDriver, RunsStdinLinesUntilTheEndABadLineOrTheProgramEnds) {
    const DriverCase cases[] = {
        // The end of the script closes the program.
        {"wait 5\n\nappkey 2\n", std::nullopt, {"advance 5", "pending", "appkey 2", "pending", "quit", "pending"}, 0},
        // A bad line stops the run where it stands, and the program is closed.
        {"wait 5\nwait later\nappkey 2\n", std::nullopt, {"advance 5", "pending", "quit", "pending"}, 2},
        // The program ending on its own ends the script; its code is the status.
        {"key Ctrl+Q\nappkey 2\n", 2, {"key 81+67108864", "pending", "quit", "pending"}, 9},
    };
    EnsureTestApplication();
    for (const DriverCase& c : cases) {
        SCOPED_TRACE(c.script);
        FakeTarget target;
        target.exitAfterCalls = c.exitAfterCalls;
        target.exitCode = 9;
        std::istringstream lines(c.script);
        testing::internal::CaptureStderr();
        ScriptDriver driver(target, ScriptSource(lines), {}, "<stdin>");
        driver.Start();
        EXPECT_TRUE(target.calls.empty()) << "nothing runs before the loop turns";
        RunUntilFinished(driver);
        const std::string errors = testing::internal::GetCapturedStderr();
        EXPECT_EQ(target.calls, c.calls);
        EXPECT_EQ(driver.ExitStatus(), c.status);
        if (c.status == 2) {
            EXPECT_NE(errors.find("<stdin>:2: wait takes MS"), std::string::npos) << errors;
        }
    }
}

TEST(ScriptDriver, ReportsAFailedCommandWithItsLine) {
    EnsureTestApplication();
    FakeTarget target;
    target.screen = QImage();
    testing::internal::CaptureStderr();
    ScriptDriver driver(target, ScriptSource(ParseScript("wait 1\nshot a.png\nwait 2").commands), {}, "t.ezs");
    driver.Start();
    RunUntilFinished(driver);
    const std::string errors = testing::internal::GetCapturedStderr();
    EXPECT_NE(errors.find("t.ezs:2: there is no screen to take a shot of\n"), std::string::npos) << errors;
    EXPECT_EQ(driver.ExitStatus(), 1);
    EXPECT_EQ(std::count(target.calls.begin(), target.calls.end(), "advance 2"), 0);
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
