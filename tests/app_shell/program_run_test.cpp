// The program's start-up path, run headless in process with a script
// against a temporary device root and registry: options, device, entry,
// main window, script, exit.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>
#include <filesystem>
#include <fstream>
#include <sstream>

#include <QColor>
#include <QImage>

#include "app/entry.h"
#include "app/options.h"
#include "app/program_entry.h"
#include "app/shell/shell_state.h"
#include "image/view_state.h"
#include "platform/registry/registry.h"
#include "settings/settings.h"

namespace {

namespace fs = std::filesystem;

std::string ReadAll(const fs::path& path) {
    std::ifstream in(path);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

class ProgramRunTest : public ::testing::Test {
protected:
    void SetUp() override {
        folder_ = fs::temp_directory_path() / ("ezo_run_" + std::to_string(::getpid()));
        fs::remove_all(folder_);
        fs::create_directories(folder_ / "root");
        fs::create_directories(folder_ / "config");
    }
    void TearDown() override {
        registry::SetRegistryFile("");
        fs::remove_all(folder_);
    }

    int Run(const std::string& script) {
        std::ofstream(folder_ / "script.txt") << script;
        setenv("XDG_CONFIG_HOME", (folder_ / "config").c_str(), 1);
        registry::SetRegistryFile("");  // read the folder just set
        ezo::settings = ezo::Settings{};
        ezo::viewState = ezo::ViewState{};
        ezo::shell = ezo::Shell{};
        const std::vector<std::string> args = {"--headless", "--root", (folder_ / "root").string(), "--script",
                                               (folder_ / "script.txt").string()};
        const ezo::ParsedOptions parsed = ezo::ParseOptions(args);
        if (!parsed.options) return -1;
        return ezo::RunProgram(*parsed.options, ezo::EzoMain);
    }

    fs::path folder_;
};

TEST_F(ProgramRunTest, FirstRunShowsTheBrowseScreenAndSavesSettingsAtExit) {
    ASSERT_EQ(Run("wait 100\nshot start.png\ndump start.txt\ncommand 40012\n"), 0);
    const std::string dump = ReadAll(folder_ / "start.txt");
    for (const char* line : {"browseMode: 1\n", "BrowseView: 0\n", "listAreaHeight: 158\n", "title: Ezo\n"})
        EXPECT_NE(dump.find(line), std::string::npos) << line << dump;

    QImage shot(QString::fromStdString((folder_ / "start.png").string()));
    ASSERT_EQ(shot.size(), QSize(240, 320));
    // Task bar above, the menu bar below, and the separator's grey band
    // across the screen below the tree (client row 77 + 26).
    EXPECT_NE(shot.pixelColor(120, 26 + 81), QColor(Qt::white));
    EXPECT_NE(shot.pixelColor(120, 310), QColor(Qt::white));
    EXPECT_EQ(shot.pixelColor(120, 26 + 40), QColor(Qt::white));

    const std::string registry = ReadAll(folder_ / "config" / "ezo" / "registry.reg");
    EXPECT_NE(registry.find("\"OpenMode\"=dword:"), std::string::npos) << registry;
    EXPECT_NE(registry.find("\"Slide\"=dword:00000003"), std::string::npos) << registry;
}

TEST_F(ProgramRunTest, CtrlQEndsTheProgramCleanly) {
    EXPECT_EQ(Run("key Ctrl+Q\n"), 0);
    EXPECT_TRUE(fs::exists(folder_ / "config" / "ezo" / "registry.reg"));
}

}  // namespace
