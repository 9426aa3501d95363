// Viewing pictures through the headless driver: opening from the list, the
// slide show on the virtual clock with the stored interval, and Delete.
#include "scenario.h"

#include "demo/scenes.h"

namespace scenario {
namespace {

class ViewScenario : public ScenarioTest {};

// The list starts below the separator (screen row 26 + 86) with a 16-pixel
// header; a tap on the first row opens it, whichever the folder lists first.
TEST_F(ViewScenario, ATapOnARowOpensIt) {
    WritePicture("b b.gif", 30, 20);
    WritePicture("a.jpg", 30, 20);
    ASSERT_EQ(Run("dump list.txt\ntap 40 136\ndump opened.txt\n"), 0);
    const Dump list = ReadDump("list.txt");
    ASSERT_EQ(list.rows.size(), 2u);
    const std::string first = list.rows[0].substr(0, list.rows[0].find(" | "));
    const Dump opened = ReadDump("opened.txt");
    EXPECT_EQ(opened["browseMode"], "0");
    EXPECT_EQ(opened["title"], "Ezo - " + first.substr(0, first.rfind('.')));
    EXPECT_EQ(opened["latestFile"], "\\" + first);
}

TEST_F(ViewScenario, TheSlideShowRunsOnTheStoredInterval) {
    WritePicture("Pictures/a.jpg", 320, 240, demo::Scene::Sunset);
    WritePicture("Pictures/b.jpg", 320, 240, demo::Scene::Checker);
    StoreDword(u"OpenMode", 1);
    StoreString(u"OpenFile", u"\\Pictures\\a.jpg");
    StoreDword(u"Slide", 2);
    ASSERT_EQ(Run("command 40086\ndump started.txt\nwait 1999\ndump early.txt\nwait 1\ndump tick.txt\n"), 0);
    const Dump started = ReadDump("started.txt");
    EXPECT_EQ(started["slideShowRunning"], "1");
    EXPECT_NE(started.text.find("timer=1 period=2000"), std::string::npos) << started.text;
    EXPECT_EQ(ReadDump("early.txt")["title"], "Ezo - a");
    EXPECT_EQ(ReadDump("tick.txt")["title"], "Ezo - b");
}

TEST_F(ViewScenario, DeleteAsksAndRemovesTheSelectedFile) {
    WritePicture("a.jpg", 30, 20);
    WritePicture("b.jpg", 30, 20);
    // Hold on the first row (it is selected, the pop-up opens), close the
    // pop-up, Delete, answer OK with Return.
    ASSERT_EQ(Run("hold 40 136\nkey Esc\ncommand 40081\nkey Return\ndump deleted.txt\n"), 0);
    const Dump deleted = ReadDump("deleted.txt");
    EXPECT_EQ(deleted["rowCount"], "1");
    EXPECT_EQ(int(fs::exists(root_ / "a.jpg")) + int(fs::exists(root_ / "b.jpg")), 1);
}

}  // namespace
}  // namespace scenario
