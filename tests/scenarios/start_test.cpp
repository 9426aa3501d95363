// Starting the program: the first run, the stored start option, a start
// file that is gone, PATH on the command line, the stored slide interval.
#include "scenario.h"

#include <QColor>

namespace scenario {
namespace {

class StartScenario : public ScenarioTest {};

// Nothing to open: the browse screen on the stored folder (the root on a
// first run), which is stored again at exit with the other settings.
TEST_F(StartScenario, TheBrowseScreenShowsTheStoredFolderAndStoresItAtExit) {
    WritePicture("a.jpg", 40, 30);
    WritePicture("My Documents/Pictures/b.jpg", 40, 30);
    const std::pair<const char16_t*, std::string> cases[] = {{nullptr, "\\"},
                                                             {u"\\My Documents\\Pictures\\", "\\My Documents\\Pictures\\"}};
    for (const auto& [stored, folder] : cases) {
        SCOPED_TRACE(folder);
        if (stored) StoreDword(u"OpenMode", 7), StoreString(u"OpenFile", stored);  // any mode but 1 and 2: none
        ASSERT_EQ(Run("dump start.txt\nshot start.png\n"), 0);
        const Dump dump = ReadDump("start.txt");
        EXPECT_EQ(dump["browseMode"], "1");
        EXPECT_EQ(dump["currentFolder"], folder);
        EXPECT_EQ(dump["rowCount"], "1");
        // Task bar above, the menu bar below, and the separator's grey band
        // across the screen below the tree (client row 77 + 26).
        const QImage shot = ReadShot("start.png");
        ASSERT_EQ(shot.size(), QSize(240, 320));
        EXPECT_NE(shot.pixelColor(120, 26 + 81), QColor(Qt::white));
        EXPECT_NE(shot.pixelColor(120, 310), QColor(Qt::white));
        EXPECT_EQ(shot.pixelColor(120, 26 + 40), QColor(Qt::white));
        EXPECT_EQ(StoredDword(u"Slide"), 3);
        EXPECT_EQ(StoredString(u"OpenFile"), QString::fromStdString(folder).toStdU16String());
    }
}

// A start file that cannot be shown leaves the browse screen with the
// empty-folder notice and the report bar; what was stored stays.
TEST_F(StartScenario, AStartFileThatCannotBeShownLeavesTheBrowseScreenWithTheNotice) {
    WriteText("Docs/notes.txt", "not a picture");
    WriteText("Docs/broken.jpg", "not a JPEG either");
    struct Case { int32_t mode; std::u16string file; } cases[] = {
        {1, u"\\Pictures\\gone.jpg"}, {2, u"\\Pictures\\gone.jpg"}, {1, u"\\Docs\\notes.txt"},
        {2, u"\\Docs\\broken.jpg"},   {1, u""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(&c - cases);
        StoreDword(u"OpenMode", c.mode);
        StoreString(u"OpenFile", c.file);
        ASSERT_EQ(Run("dump start.txt\n"), 0);
        const Dump dump = ReadDump("start.txt");
        EXPECT_EQ((std::vector{dump["browseMode"], dump["BrowseView"], dump["imageLoaded"], dump["title"]}),
                  (std::vector<std::string>{"1", "0", "0", "Ezo"}));
        for (int id : {1009, 1003, 102}) EXPECT_TRUE(dump.Shown(id)) << id << dump.text;
        for (int id : {1000, 149}) EXPECT_FALSE(dump.Shown(id)) << id;
        EXPECT_EQ(StoredDword(u"OpenMode"), c.mode);
        EXPECT_EQ(StoredString(u"OpenFile"), c.file);
    }
}

// The walk to the start file's folder passes \My Documents, which holds no
// picture: its notice must not cover the picture.
TEST_F(StartScenario, TheLatestFileOpensForViewingAndBrowsingReturnsToTheGrid) {
    WritePicture("My Documents/Pictures/a.jpg", 64, 48);
    WritePicture("My Documents/Pictures/b.jpg", 64, 48);
    StoreDword(u"OpenMode", 1);
    StoreString(u"OpenFile", u"\\My Documents\\Pictures\\a.jpg");
    ASSERT_EQ(Run("dump view.txt\nkey Right\ndump right.txt\nkey Left\ndump left.txt\ncommand 40088\ndump browse.txt\n"),
              0);
    const Dump view = ReadDump("view.txt");
    EXPECT_EQ(view["browseMode"], "0");
    EXPECT_EQ(view["title"], "Ezo - a");
    EXPECT_EQ(view["BrowseView"], "1");
    EXPECT_EQ(view["currentFolder"], "\\My Documents\\Pictures\\");
    EXPECT_TRUE(view.Shown(149));
    for (int id : {1000, 1003, 1004, 1009}) EXPECT_FALSE(view.Shown(id)) << id;
    // The start file is the current entry of its listed folder: one of the
    // arrows reaches b, whichever order the folder lists them in.
    const std::string right = ReadDump("right.txt")["title"];
    const std::string left = ReadDump("left.txt")["title"];
    EXPECT_TRUE(right == "Ezo - b" || left == "Ezo - b") << right << ", " << left;
    const Dump browse = ReadDump("browse.txt");
    EXPECT_EQ(browse["browseMode"], "1");
    EXPECT_TRUE(browse.Shown(1004));
    EXPECT_TRUE(browse.Shown(156));
}

// PATH replaces the stored choice for this run; what is stored stays. A
// picture opens; a folder, or a file that is no picture, reveals its folder;
// a picture that cannot be opened leaves its folder listed, where the user
// was heading, rather than the bare notice.
TEST_F(StartScenario, APathOpensAPictureOrShowsItsFolderForThisRunOnly) {
    WritePicture("Holiday photos/Café.jpg", 64, 48);
    WriteText("Holiday photos/read me.txt", "notes");
    WriteText("Holiday photos/broken.jpg", "not a JPEG");
    StoreDword(u"OpenMode", 2);
    StoreString(u"OpenFile", u"\\elsewhere.jpg");
    struct Case { const char* path; const char* browseMode; const char* title; } cases[] = {
        {"Holiday photos/Café.jpg", "0", "Ezo - Café"},
        {"Holiday photos", "1", "Ezo"},
        {"Holiday photos/read me.txt", "1", "Ezo"},
        {"Holiday photos/broken.jpg", "1", "Ezo"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.path);
        ASSERT_EQ(Run("dump start.txt\n", (root_ / c.path).string()), 0);
        const Dump dump = ReadDump("start.txt");
        EXPECT_EQ(dump["browseMode"], c.browseMode);
        EXPECT_EQ(dump["title"], c.title);
        EXPECT_EQ(dump["currentFolder"], "\\Holiday photos\\");
        if (c.browseMode == std::string("1")) {
            EXPECT_EQ(dump["rowCount"], "2");
            EXPECT_TRUE(dump.Shown(1000) && dump.Shown(102) && !dump.Shown(1009)) << dump.text;
        }
        EXPECT_EQ(StoredDword(u"OpenMode"), 2);
        EXPECT_EQ(StoredString(u"OpenFile"), u"\\elsewhere.jpg");
    }
}

// Outside the device root, PATH brings its own root for the run; the stored
// folder means a folder of the usual root and is kept.
TEST_F(StartScenario, APathOutsideTheRootLeavesTheStoredFolderAsItWas) {
    WritePicture("../elsewhere/Album/x.jpg", 40, 30);
    StoreDword(u"OpenMode", 0);
    StoreString(u"OpenFile", u"\\My Documents\\");
    ASSERT_EQ(Run("dump start.txt\n", (folder_ / "elsewhere/Album").string()), 0);
    const Dump dump = ReadDump("start.txt");
    EXPECT_EQ(dump["currentFolder"], "\\");
    ASSERT_EQ(dump.rows.size(), 1u);
    EXPECT_EQ(dump.rows[0].rfind("x.jpg | ", 0), 0u) << dump.rows[0];
    EXPECT_EQ(StoredString(u"OpenFile"), u"\\My Documents\\");
    EXPECT_EQ(StoredDword(u"OpenMode"), 0);
    EXPECT_EQ(StoredDword(u"refine"), 1);  // the rest was saved as usual
}

TEST_F(StartScenario, AMissingPathIsRefusedBeforeAnythingRuns) {
    testing::internal::CaptureStderr();
    EXPECT_EQ(Run("dump never.txt\n", (root_ / "nowhere.jpg").string()), 2);
    const std::string error = testing::internal::GetCapturedStderr();
    EXPECT_NE(error.find("nowhere.jpg' does not exist"), std::string::npos) << error;
    EXPECT_FALSE(fs::exists(folder_ / "never.txt"));
    EXPECT_EQ(StoredDword(u"refine"), -12345);  // nothing was saved
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
