// Script input at its edges: a byte-order mark, a NUL in a file name, a line
// without an end, and a program that quits before its script does.
#include <gtest/gtest.h>

#include <sys/resource.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QProcess>

#include <filesystem>
#include <sstream>

#include "headless/fake_target.h"
#include "headless/test_application.h"
#include "platform/headless/script_driver.h"
#include "platform/headless/script_source.h"

namespace headless {
namespace {

// The first command a stream source gives, or its error as "LINE: message".
std::string FirstFromStream(std::istream& lines) {
    ScriptSource source(lines);
    const ScriptSource::Next next = source.Read();
    if (next.error) return std::to_string(next.error->line) + ": " + next.error->message;
    return next.command ? "line " + std::to_string(next.command->line) : "nothing";
}

TEST(ScriptInput, AByteOrderMarkStartsAScriptButNoLaterLine) {
    const struct { const char* text; const char* first; } cases[] = {
        {"\xEF\xBB\xBFwait 5\n", "line 1"},
        {"\xEF\xBB\xBF# a comment\nwait 5\n", "line 2"},
        {"wait 5\n", "line 1"},
        {"\xEF\xBB\xBF\xEF\xBB\xBFwait 5\n", "1: unknown command '\\xEF\\xBB\\xBFwait'"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        std::istringstream lines(c.text);
        EXPECT_EQ(FirstFromStream(lines), c.first);
        const ParsedScript parsed = ParseScript(c.text);
        EXPECT_EQ(parsed.error ? std::to_string(parsed.error->line) + ": " + parsed.error->message
                               : "line " + std::to_string(parsed.commands.front().line),
                  c.first);
    }
    std::istringstream later("wait 5\n\xEF\xBB\xBFwait 6\n");
    ScriptSource source(later);
    source.Read();
    ASSERT_TRUE(source.Read().error);
}

TEST(ScriptInput, AFileNameWithANulByteIsRefused) {
    for (const std::string line : {std::string("shot a\0b.png", 12), std::string("dump a\0b.txt", 12)}) {
        const LineResult result = ParseScriptLine(line);
        EXPECT_FALSE(result.command) << line;
        EXPECT_NE(result.error.find("NUL"), std::string::npos) << result.error;
    }
}

TEST(ScriptInput, ALineWithoutAnEndIsNotReadPastTheLimit) {
    std::istringstream lines(std::string(kMaxScriptBytes + 1000, 'a'));
    EXPECT_EQ(FirstFromStream(lines), "1: line is longer than 16 MiB");
    EXPECT_EQ(size_t(lines.tellg()), kMaxScriptBytes + 1);
}

// Turns the event loop until the driver is done.
void RunUntilFinished(const ScriptDriver& driver) {
    QElapsedTimer elapsed;
    elapsed.start();
    while (!driver.finished() && elapsed.elapsed() < 5000) QCoreApplication::processEvents();
    ASSERT_TRUE(driver.finished());
}

TEST(ScriptInput, AProgramThatQuitsOnItsOwnSaysWhatItDidNotRun) {
    const struct { const char* what; const char* script; bool stream; const char* told; } cases[] = {
        {"file", "key Ctrl+Q\nwait 1\nwait 2\n", false, "t.ezs:1: the program quit; the 2 commands after this line were not run\n"},
        {"one left", "wait 1\nkey Ctrl+Q\nwait 2\n", false, "t.ezs:2: the program quit; the 1 command after this line was not run\n"},
        {"stream", "key Ctrl+Q\nwait 1\n", true, "t.ezs:1: the program quit; the rest of the input was not read\n"},
        {"nothing left", "wait 1\nkey Ctrl+Q\n", false, ""},
        {"its own quit", "quit\nwait 1\n", false, ""},
    };
    TestApplication::Ensure();
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
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

// The real program reading endless input without a line end: it stops at the
// limit, soon, and without filling the memory.
TEST(ScriptInput, EndlessInputWithoutALineEndStopsAtTheLimit) {
    const std::filesystem::path binary = std::filesystem::path(EZO_BINARY_DIR) / "src/app/ezo";
    ASSERT_TRUE(std::filesystem::exists(binary)) << "build the ezo target first";
    const std::filesystem::path folder = std::filesystem::temp_directory_path() /
                                         ("ezo_endless_" + std::to_string(::getpid()));
    std::filesystem::create_directories(folder / "root");
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("XDG_CONFIG_HOME", QString::fromStdString((folder / "config").string()));
    env.insert("XDG_CACHE_HOME", QString::fromStdString((folder / "cache").string()));
    process.setProcessEnvironment(env);
    process.setStandardInputFile("/dev/zero");
    process.start(QString::fromStdString(binary.string()),
                  {"--headless", "--root", QString::fromStdString((folder / "root").string())});
    const bool finished = process.waitForFinished(30000);
    if (!finished) process.kill(), process.waitForFinished();
    std::filesystem::remove_all(folder);
    ASSERT_TRUE(finished) << "still reading after 30 s";
    EXPECT_EQ(process.exitCode(), 2);
    EXPECT_NE(process.readAllStandardError().toStdString().find("<stdin>:1: line is longer than 16 MiB"),
              std::string::npos);
    rusage children{};
    ::getrusage(RUSAGE_CHILDREN, &children);
    EXPECT_LT(children.ru_maxrss, 1 << 20) << "KiB at the peak";  // 1 GiB
}

}  // namespace
}  // namespace headless
