// What a run tells on standard error, and the small things it tidies: a
// script the program left early, the settings file set aside or not saved,
// a script with a byte-order mark or a NUL in a file name, and leftovers of
// a settings write cut short.
#include "scenario.h"

#include <fstream>
#include <sstream>

#include "platform/registry/atomic_file.h"

namespace scenario {
namespace {

class RunReports : public ScenarioTest {
protected:
    // Runs the script; what went to standard error.
    std::string RunTold(const std::string& script, int expectedCode = 0) {
        testing::internal::CaptureStderr();
        const int code = Run(script);
        std::string told = testing::internal::GetCapturedStderr();
        EXPECT_EQ(code, expectedCode) << told;
        return told;
    }
    // The lines of told about the settings file (Qt may warn of its own).
    static std::vector<std::string> SettingsLines(const std::string& told) {
        std::vector<std::string> lines;
        std::istringstream in(told);
        for (std::string line; std::getline(in, line);)
            if (line.starts_with("ezo: settings file ")) lines.push_back(line);
        return lines;
    }
    fs::path SettingsFolder() const { return folder_ / "config" / "ezo"; }
};

TEST_F(RunReports, AQuitByTheProgramSaysTheRestOfTheScriptWasNotRun) {
    WritePicture("a.jpg", 30, 20);
    // On the opened picture, where hardware button 4 quits as well.
    for (const char* quit : {"key Ctrl+Q", "appkey 4", "command 1"}) {
        SCOPED_TRACE(quit);
        const std::string told = RunTold("tap 40 136\n" + std::string(quit) + "\ndump after.txt\n");
        EXPECT_NE(told.find("script.ezs:2: the program quit; the 1 command after this line was not run\n"),
                  std::string::npos)
            << told;
        EXPECT_FALSE(fs::exists(folder_ / "after.txt"));
    }
}

TEST_F(RunReports, AScriptMayStartWithAByteOrderMarkButNoFileNameHoldsANul) {
    RunTold("\xEF\xBB\xBF" "dump marked.txt\n");
    EXPECT_TRUE(fs::exists(folder_ / "marked.txt"));
    const std::string told = RunTold(std::string("dump a\0b.txt\n", 13), 2);
    EXPECT_NE(told.find("script.ezs:1: dump: FILE holds a NUL byte"), std::string::npos) << told;
    EXPECT_FALSE(fs::exists(folder_ / "a"));
}

TEST_F(RunReports, ASettingsFileSetAsideOrNotSavedIsToldInOneLine) {
    const std::string file = (SettingsFolder() / "registry.reg").string();
    fs::create_directories(SettingsFolder());
    std::ofstream(file) << "not a settings file\n";
    std::vector<std::string> lines = SettingsLines(RunTold(""));
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0].rfind("ezo: settings file " + file + ": is damaged; kept as " + file + ".damaged-", 0), 0u)
        << lines[0];

    // The exit's save fails on a full disk.
    registry::SimulateDiskFullAfter(0);
    lines = SettingsLines(RunTold("", 1));  // and the run ends as a failure
    registry::SimulateDiskFullAfter(std::nullopt);
    EXPECT_EQ(lines, std::vector<std::string>{"ezo: settings file " + file +
                                              ": the settings cannot be saved (No space left on device)"});
}

TEST_F(RunReports, LeftoversOfASettingsWriteCutShortAreRemovedAtStart) {
    fs::create_directories(SettingsFolder());
    const fs::path leftover = SettingsFolder() / "registry.reg.tmp-Ab12Cd";
    std::ofstream(leftover) << "[HKEY_CURRENT_USER\\Software";
    fs::last_write_time(leftover, fs::file_time_type::clock::now() - std::chrono::hours(1));
    RunTold("");
    EXPECT_FALSE(fs::exists(leftover));
    EXPECT_TRUE(fs::exists(SettingsFolder() / "registry.reg"));
}

}  // namespace
}  // namespace scenario
