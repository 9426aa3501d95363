// Starting the program: the first run, the stored start option, a start
// file that is gone, PATH on the command line, the stored slide interval.
#include "scenario.h"

#include <QColor>

#include <algorithm>

namespace scenario {
namespace {

class StartScenario : public ScenarioTest {};

// What a run starts on: the stored start option, or PATH for this run alone
// (a folder, no picture or a broken one shows its folder; outside the root
// it brings its own root). What is stored stays; the rest is saved at exit.
TEST_F(StartScenario, TheRunStartsOnTheStoredChoiceOrOnPath) {
    WritePicture("a.jpg", 40, 30);
    WritePicture("My Documents/Pictures/b.jpg", 40, 30);
    WriteText("Docs/notes.txt", "not a picture");
    WriteText("Docs/broken.jpg", "not a JPEG either");
    WritePicture("Holiday photos/Café.jpg", 64, 48);
    WriteText("Holiday photos/read me.txt", "notes");
    WriteText("Holiday photos/broken.jpg", "not a JPEG");
    WritePicture("../elsewhere/Album/x.jpg", 40, 30);
    const std::vector<int> list{1000, 102}, notice{1009, 1003, 102}, noList{1000, 149};
    // mode -1: a first run, nothing stored. folder and firstRow empty: not checked.
    struct Case { const char* name; int32_t mode; std::u16string file; std::string path, title, folder, firstRow;
                  std::vector<int> shown, hidden; } cases[] = {
        {"first run", -1, u"", "", "Ezo", "\\", "a.jpg | JPEG | ", list, {1009, 149}},
        {"stored folder", 7, u"\\My Documents\\Pictures\\", "", "Ezo", "\\My Documents\\Pictures\\", "b.jpg | ", list, {1009}},
        // The walk to the folder passes \\My Documents, whose notice must not cover the picture.
        {"latest file", 1, u"\\My Documents\\Pictures\\b.jpg", "", "Ezo - b", "\\My Documents\\Pictures\\", "", {149}, {1000, 1003, 1009}},
        {"latest file gone", 1, u"\\Pictures\\gone.jpg", "", "Ezo", "", "", notice, noList},
        {"selected file gone", 2, u"\\Pictures\\gone.jpg", "", "Ezo", "", "", notice, noList},
        {"latest file no picture", 1, u"\\Docs\\notes.txt", "", "Ezo", "", "", notice, noList},
        {"selected file broken", 2, u"\\Docs\\broken.jpg", "", "Ezo", "", "", notice, noList},
        {"no latest file", 1, u"", "", "Ezo", "", "", notice, noList},
        {"PATH a picture", 2, u"\\elsewhere.jpg", "Holiday photos/Café.jpg", "Ezo - Café", "\\Holiday photos\\", "", {149}, {1000, 1009}},
        {"PATH a folder", 2, u"\\elsewhere.jpg", "Holiday photos", "Ezo", "\\Holiday photos\\", "", list, {1009}},
        {"PATH no picture", 2, u"\\elsewhere.jpg", "Holiday photos/read me.txt", "Ezo", "\\Holiday photos\\", "", list, {1009}},
        {"PATH a broken picture", 2, u"\\elsewhere.jpg", "Holiday photos/broken.jpg", "Ezo", "\\Holiday photos\\", "", list, {1009}},
        {"PATH outside the root", 0, u"\\My Documents\\", "../elsewhere/Album", "Ezo", "\\", "x.jpg | ", {}, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        if (c.mode >= 0) StoreDword(u"OpenMode", c.mode), StoreString(u"OpenFile", c.file);
        ASSERT_EQ(Run("dump start.txt\nshot start.png\n", c.path.empty() ? "" : (root_ / c.path).string()), 0);
        const Dump dump = ReadDump("start.txt");
        EXPECT_EQ(dump["browseMode"], c.title == std::string("Ezo") ? "1" : "0");
        EXPECT_EQ(dump["title"], c.title);
        if (!c.folder.empty()) {
            EXPECT_EQ(dump["currentFolder"], c.folder);
        }
        if (!c.firstRow.empty()) {  // name, type, size and date
            EXPECT_EQ(dump.rows.at(0).rfind(c.firstRow, 0), 0u) << dump.text;
            EXPECT_EQ(std::count(dump.rows[0].begin(), dump.rows[0].end(), '|'), 3) << dump.rows[0];
        }
        if (c.shown == notice) {
            EXPECT_EQ(dump["BrowseView"] + dump["imageLoaded"], "00");
        }
        for (int id : c.shown) EXPECT_TRUE(dump.Shown(id)) << id << dump.text;
        for (int id : c.hidden) EXPECT_FALSE(dump.Shown(id)) << id;
        EXPECT_EQ(StoredDword(u"OpenMode"), c.mode == 1 || c.mode == 2 ? c.mode : 0);
        EXPECT_EQ(StoredString(u"OpenFile"), c.mode < 0 ? u"\\" : c.file);
        EXPECT_EQ(StoredDword(u"Slide"), 3);
        if (c.mode >= 0) continue;
        // Task bar above, the menu bar below, and the separator's grey band
        // across the screen below the tree (client row 77 + 26).
        const QImage shot = ReadShot("start.png");
        ASSERT_EQ(shot.size(), QSize(240, 320));
        EXPECT_NE(shot.pixelColor(120, 26 + 81), QColor(Qt::white));
        EXPECT_NE(shot.pixelColor(120, 310), QColor(Qt::white));
        EXPECT_EQ(shot.pixelColor(120, 26 + 40), QColor(Qt::white));
    }
}

TEST_F(StartScenario, TheSlideShowRunsOnTheStoredInterval) {
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

}  // namespace
}  // namespace scenario
