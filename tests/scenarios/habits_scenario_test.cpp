// The desktop habits on top of the device, run as scripts.
#include "scenario.h"

#include <cstdlib>
#include <fstream>
#include <sstream>

namespace scenario {
namespace {

class HabitsScenario : public ScenarioTest {
protected:
    void SetUp() override {
        ScenarioTest::SetUp();
        setenv("XDG_DATA_HOME", (folder_ / "data").c_str(), 1);
    }
    // Three pictures in a folder the run starts on, the list focused.
    void WriteFolder() {
        for (const char* name : {"p/a.jpg", "p/b.jpg", "p/c.jpg"}) WritePicture(name, 320, 240);
    }
    // Runs keys on the folder; the dump before and after them.
    std::pair<Dump, Dump> RunOnFolder(const std::string& keys) {
        EXPECT_EQ(Run("dump before.txt\n" + keys + "\ndump after.txt\n", (root_ / "p").string()), 0);
        return {ReadDump("before.txt"), ReadDump("after.txt")};
    }
    // The title of row i viewed: "Ezo - " and its name without extension.
    static std::string ViewTitle(const Dump& dump, size_t i) {
        const std::string name = dump.rows.at(i).substr(0, dump.rows.at(i).find(" | "));
        return "Ezo - " + name.substr(0, name.rfind('.'));
    }
};

// Each key or wheel turn as the README's table says; the device's own keys
// keep their meaning. want: the title (a row number viewed, -1 browsing),
// then any further dump values.
TEST_F(HabitsScenario, KeysAndTheWheelDoWhatTheTableSays) {
    WriteFolder();
    const struct { const char* name; const char* keys; int viewed; std::map<std::string, std::string> want; } cases[] = {
        {"Enter opens the current row", "key Return", 0, {{"focus", "class=Ezo id=0 title=\"" }}},
        {"arrows move in the list", "key Down\nkey Down\nkey Return", 2, {}},
        {"Space: next", "key Return\nkey Space", 1, {}},
        {"Backspace: previous", "key Return\nkey Space\nkey Backspace", 0, {}},
        {"End: last", "key Return\nkey End", 2, {}},
        {"Home: first", "key Return\nkey End\nkey Home", 0, {}},
        {"Right arrow: next", "key Return\nkey Right", 1, {}},
        {"+ zooms in", "key Return\nkey +", 0, {{"zoom", "1.500"}}},
        {"- zooms out", "key Return\nkey -", 0, {{"zoom", "0.800"}}},
        {"F fits", "key Return\nkey F", 0, {{"fitToggle", "1"}}},
        {"0: actual size", "key Return\nkey F\nkey 0", 0, {{"fitToggle", "0"}, {"zoom", "1.000"}}},
        {"Esc leaves full screen", "key Return\ncommand 40041\nkey Esc", 0, {{"fullScreen", "0"}}},
        {"Esc goes back to the list", "key Return\nkey Esc", -1, {{"focus", "class=SysListView32 id=1000"}}},
        {"back in the list Enter opens the picture viewed last", "key Return\nkey End\nkey Esc\nkey Return", 2, {}},
        {"Esc stops the slide show", "key Return\ncommand 40086\nkey Esc", 0, {{"slideShowRunning", "0"}}},
        {"wheel away zooms in", "key Return\nwheel 120 160 2", 0, {{"zoom", "2.000"}}},
        {"wheel towards zooms out", "key Return\nwheel 120 160 -1", 0, {{"zoom", "0.800"}}},
        {"Ctrl+wheel towards: next", "key Return\nwheel 120 160 -1 Ctrl", 1, {{"zoom", "1.000"}}},
        {"Ctrl+wheel away: previous", "key Return\nkey End\nwheel 120 160 1 Ctrl", 1, {}},
        {"Tab to the tree", "key Tab", -1, {{"focus", "class=SysTreeView32"}}},
        {"Tab back to the list", "key Tab\nkey Tab", -1, {{"focus", "class=SysListView32"}}},
        {"F3 still starts the slide show", "key Return\nkey F3", 0, {{"slideShowRunning", "1"}}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const auto [before, after] = RunOnFolder(c.keys);
        ASSERT_EQ(before.rows.size(), 3u) << before.text;
        EXPECT_EQ(after["title"], c.viewed < 0 ? "Ezo" : ViewTitle(before, size_t(c.viewed)));
        for (const auto& [key, value] : c.want) EXPECT_EQ(after[key].rfind(value, 0), 0u) << key << ": " << after[key];
    }
}

// Over a list longer than the screen the wheel scrolls it (the rows move
// up), and leaves the selection and the screen's mode alone.
TEST_F(HabitsScenario, TheWheelScrollsTheList) {
    for (int i = 10; i < 40; ++i) WritePicture("p/" + std::to_string(i) + ".jpg", 16, 16);
    const auto [before, after] = RunOnFolder("shot top.png\nwheel 120 200 -2\nshot scrolled.png");
    EXPECT_EQ(after["browseMode"], "1");
    const QImage top = ReadShot("top.png"), scrolled = ReadShot("scrolled.png");
    EXPECT_EQ(top.copy(0, 0, 240, 100), scrolled.copy(0, 0, 240, 100));  // the tree stays
    EXPECT_NE(top.copy(0, 130, 200, 120), scrolled.copy(0, 130, 200, 120));
}

// Delete moves the file to the trash with its record of where it was, after
// a question that names it; where there is no trash (the data folder cannot
// be made), a second question says the file goes for good. Either way the
// list keeps its order and selects the row after the deleted one.
TEST_F(HabitsScenario, DeleteSendsTheFileToTheTrashOrAsksAgain) {
    const struct { const char* name; bool trash; const char* answers; const char* question; } cases[] = {
        {"trash", true, "", "Move \u201C%\u201D to the trash?"},
        {"no trash", false, "key Return\n", "There is no trash for \u201C%\u201D. Delete it for good?"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        TearDown();
        SetUp();
        WriteFolder();
        std::ofstream(folder_ / "not a folder") << "x";
        if (!c.trash) setenv("XDG_DATA_HOME", (folder_ / "not a folder").c_str(), 1);
        const auto [before, after] = RunOnFolder(std::string("key Down\ncommand 40081\n") + c.answers +
                                                 "dump question.txt\nkey Return\ndump deleted.txt\nkey Return");
        const std::string name = before.rows.at(1).substr(0, before.rows[1].find(" | "));
        std::string question = c.question;
        question.replace(question.find('%'), 1, name);
        EXPECT_NE(ReadDump("question.txt").text.find(question), std::string::npos) << ReadDump("question.txt").text;
        EXPECT_FALSE(fs::exists(root_ / "p" / name));
        EXPECT_EQ(fs::exists(folder_ / "data/Trash/files" / name), c.trash);
        std::stringstream info;
        info << std::ifstream(folder_ / "data/Trash/info" / (name + ".trashinfo")).rdbuf();
        EXPECT_EQ(info.str().find("Path=" + (root_ / "p" / name).string()) != std::string::npos, c.trash);
        const Dump deleted = ReadDump("deleted.txt");
        ASSERT_EQ(deleted.rows.size(), 2u);
        EXPECT_EQ(deleted.rows[0], before.rows[0]);
        EXPECT_EQ(deleted.rows[1], before.rows[2]);
        EXPECT_EQ(after["title"], ViewTitle(before, 2));
    }
}

// A picture that cannot be opened beeps and says so in the task bar for a
// few seconds; the list stays.
TEST_F(HabitsScenario, APictureThatCannotBeOpenedGivesANote) {
    WriteText("p/Lake.jpeg", "not a picture");
    const auto [before, after] = RunOnFolder("key Return\ndump failed.txt\nwait 5000");
    const Dump failed = ReadDump("failed.txt");
    EXPECT_EQ(failed["note"], "\"Cannot open Lake.jpeg\"");
    EXPECT_EQ(failed["beeps"], "1");
    EXPECT_EQ(failed["browseMode"], "1");
    EXPECT_EQ(failed["focus"].rfind("class=SysListView32", 0), 0u) << failed["focus"];
    EXPECT_EQ(after["note"], "<missing note>");
}

// Without --config a scripted run reads the user's settings (it starts in
// the stored folder) and writes nothing, not even at exit.
TEST_F(HabitsScenario, AScriptedRunLeavesTheUsersSettingsAlone) {
    WriteFolder();
    StoreDword(u"OpenMode", 7);
    StoreString(u"OpenFile", u"\\p\\");
    const fs::path settings = folder_ / "config/ezo/registry.reg";
    std::stringstream stored;
    stored << std::ifstream(settings).rdbuf();
    namedConfig_ = false;
    ASSERT_EQ(Run("key Return\ncommand 40041\nkey Tab\ndump run.txt\n"), 0);
    EXPECT_EQ(ReadDump("run.txt")["currentFolder"], "\\p\\");
    std::stringstream after;
    after << std::ifstream(settings).rdbuf();
    EXPECT_EQ(after.str(), stored.str());
}

}  // namespace
}  // namespace scenario
