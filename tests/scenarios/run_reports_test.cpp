// What a run tells on standard error about the settings file set aside or
// not saved, and the leftovers of a settings write cut short it tidies.
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
