// Starting the program: the first run, the stored start option, a start
// file that is gone, and PATH on the command line.
#include "scenario.h"

namespace scenario {
namespace {

class StartScenario : public ScenarioTest {};

bool Shown(const Dump& dump, int id) { return dump.HasWindow({" id=" + std::to_string(id) + " ", "visible=1"}); }

TEST_F(StartScenario, FirstRunShowsTheBrowseScreenAndStoresTheDefaultsAtExit) {
    ASSERT_EQ(Run("dump start.txt\n"), 0);
    const Dump dump = ReadDump("start.txt");
    EXPECT_EQ(dump["browseMode"], "1");
    EXPECT_EQ(dump["BrowseView"], "0");
    EXPECT_EQ(dump["title"], "Ezo");
    EXPECT_EQ(dump["split"], "77");
    EXPECT_EQ(dump["listAreaHeight"], "158");
    EXPECT_EQ(dump["splitButtonBits"], "3");
    EXPECT_TRUE(Shown(dump, 1003)) << dump.text;  // the tree
    EXPECT_TRUE(Shown(dump, 102));
    EXPECT_FALSE(Shown(dump, 149));

    EXPECT_EQ(StoredDword(u"OpenMode"), 0);
    EXPECT_EQ(StoredDword(u"refine"), 1);
    EXPECT_EQ(StoredDword(u"Slide"), 3);
    const int32_t keys[] = {1, 0, 3, 2, 3};
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(StoredDword(u"Key" + std::u16string(1, char16_t(u'1' + i))), keys[i]) << "Key" << i + 1;
}

TEST_F(StartScenario, FirstRunStoresTheFolderShownAtExit) {
    WritePicture("a.jpg", 40, 30);
    ASSERT_EQ(Run("dump start.txt\n"), 0);
    const Dump dump = ReadDump("start.txt");
    EXPECT_EQ(dump["currentFolder"], "\\");
    EXPECT_EQ(dump["rowCount"], "1");
    ASSERT_EQ(dump.rows.size(), 1u);
    EXPECT_EQ(dump.rows[0].rfind("a.jpg | JPEG | ", 0), 0u) << dump.rows[0];
    EXPECT_EQ(StoredString(u"OpenFile"), u"\\");
}

// A start file that cannot be shown leaves the browse screen with the
// empty-folder notice and the report bar; what was stored stays.
TEST_F(StartScenario, AStartFileThatCannotBeShownLeavesTheBrowseScreenWithTheNotice) {
    WriteText("Docs/notes.txt", "not a picture");
    WriteText("Docs/broken.jpg", "not a JPEG either");
    struct Case {
        const char* name;
        int32_t mode;
        std::u16string file;
    } cases[] = {
        {"latest file gone", 1, u"\\Pictures\\gone.jpg"},
        {"selected file gone", 2, u"\\Pictures\\gone.jpg"},
        {"latest file not a picture", 1, u"\\Docs\\notes.txt"},
        {"selected file broken", 2, u"\\Docs\\broken.jpg"},
        {"latest file empty", 1, u""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        StoreDword(u"OpenMode", c.mode);
        StoreString(u"OpenFile", c.file);
        ASSERT_EQ(Run("dump start.txt\n"), 0);
        const Dump dump = ReadDump("start.txt");
        EXPECT_EQ(dump["browseMode"], "1");
        EXPECT_EQ(dump["BrowseView"], "0");
        EXPECT_EQ(dump["thumbViewActive"], "0");
        EXPECT_EQ(dump["imageLoaded"], "0");
        EXPECT_EQ(dump["viewBarBits"], "0");
        EXPECT_EQ(dump["title"], "Ezo");
        EXPECT_TRUE(Shown(dump, 1009)) << dump.text;  // "There are no images in this directory."
        EXPECT_TRUE(Shown(dump, 1003));
        EXPECT_FALSE(Shown(dump, 1000));
        EXPECT_TRUE(Shown(dump, 102));
        for (int bar : {156, 157, 149, 167, 168, 169}) EXPECT_FALSE(Shown(dump, bar)) << bar;
        EXPECT_TRUE(Shown(dump, 5303));
        EXPECT_TRUE(Shown(dump, 5305));
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
    EXPECT_EQ(view["imageLoaded"], "1");
    EXPECT_EQ(view["BrowseView"], "1");
    EXPECT_EQ(view["currentFolder"], "\\My Documents\\Pictures\\");
    EXPECT_TRUE(Shown(view, 149));
    for (int id : {1000, 1003, 1004, 1009}) EXPECT_FALSE(Shown(view, id)) << id;
    // The start file is the current entry of its listed folder: one of the
    // arrows reaches b, whichever order the folder lists them in.
    const std::string right = ReadDump("right.txt")["title"];
    const std::string left = ReadDump("left.txt")["title"];
    EXPECT_TRUE(right == "Ezo - b" || left == "Ezo - b") << right << ", " << left;
    const Dump browse = ReadDump("browse.txt");
    EXPECT_EQ(browse["browseMode"], "1");
    EXPECT_TRUE(Shown(browse, 1004));
    EXPECT_TRUE(Shown(browse, 156));
}

TEST_F(StartScenario, TheStoredFolderIsRevealedWhenNothingOpensAtStart) {
    WritePicture("My Documents/Pictures/a.jpg", 40, 30);
    StoreDword(u"OpenMode", 7);  // any value but 1 and 2: none
    StoreString(u"OpenFile", u"\\My Documents\\Pictures\\");
    ASSERT_EQ(Run("dump start.txt\n"), 0);
    const Dump dump = ReadDump("start.txt");
    EXPECT_EQ(dump["browseMode"], "1");
    EXPECT_EQ(dump["currentFolder"], "\\My Documents\\Pictures\\");
    EXPECT_EQ(dump["rowCount"], "1");
    EXPECT_EQ(StoredDword(u"OpenMode"), 0);
    EXPECT_EQ(StoredString(u"OpenFile"), u"\\My Documents\\Pictures\\");
}

// PATH replaces the stored choice for this run; what is stored stays.
TEST_F(StartScenario, APathOpensAPictureForThisRunOnly) {
    WritePicture("Holiday photos/Café.jpg", 64, 48);
    StoreDword(u"OpenMode", 2);
    StoreString(u"OpenFile", u"\\elsewhere.jpg");
    ASSERT_EQ(Run("dump picture.txt\n", (root_ / "Holiday photos/Café.jpg").string()), 0);
    const Dump picture = ReadDump("picture.txt");
    EXPECT_EQ(picture["title"], "Ezo - Café");
    EXPECT_EQ(picture["browseMode"], "0");
    EXPECT_EQ(picture["currentFolder"], "\\Holiday photos\\");
    EXPECT_EQ(StoredDword(u"OpenMode"), 2);
    EXPECT_EQ(StoredString(u"OpenFile"), u"\\elsewhere.jpg");
}

TEST_F(StartScenario, APathRevealsAFolderOrTheFolderOfAFileThatIsNoPicture) {
    WritePicture("Holiday photos/Café.jpg", 64, 48);
    WriteText("Holiday photos/read me.txt", "notes");
    StoreDword(u"OpenMode", 4);
    StoreString(u"OpenFile", u"\\");
    for (const char* path : {"Holiday photos", "Holiday photos/read me.txt"}) {
        SCOPED_TRACE(path);
        ASSERT_EQ(Run("dump folder.txt\n", (root_ / path).string()), 0);
        const Dump folder = ReadDump("folder.txt");
        EXPECT_EQ(folder["browseMode"], "1");
        EXPECT_EQ(folder["currentFolder"], "\\Holiday photos\\");
        EXPECT_EQ(folder["rowCount"], "1");
        ASSERT_EQ(folder.rows.size(), 1u);
        EXPECT_EQ(folder.rows[0].rfind("Café.jpg | JPEG | ", 0), 0u) << folder.rows[0];
    }
}

// A picture given as PATH that cannot be opened leaves its folder listed,
// where the user was heading, rather than the bare notice.
TEST_F(StartScenario, APathToABrokenPictureShowsItsFolder) {
    WritePicture("Album/good.jpg", 40, 30);
    WriteText("Album/broken.jpg", "not a JPEG");
    ASSERT_EQ(Run("dump start.txt\n", (root_ / "Album/broken.jpg").string()), 0);
    const Dump dump = ReadDump("start.txt");
    EXPECT_EQ(dump["browseMode"], "1");
    EXPECT_EQ(dump["title"], "Ezo");
    EXPECT_EQ(dump["currentFolder"], "\\Album\\");
    EXPECT_EQ(dump["rowCount"], "2");
    EXPECT_TRUE(Shown(dump, 1000)) << dump.text;
    EXPECT_FALSE(Shown(dump, 1009));
    EXPECT_TRUE(Shown(dump, 102));
}

// Outside the device root, PATH brings its own root for the run; the stored
// folder means a folder of the usual root and is kept.
TEST_F(StartScenario, APathOutsideTheRootLeavesTheStoredFolderAsItWas) {
    const fs::path elsewhere = folder_ / "elsewhere";
    fs::create_directories(elsewhere / "Album");
    StoreDword(u"OpenMode", 0);
    StoreString(u"OpenFile", u"\\My Documents\\");
    ASSERT_EQ(Run("dump start.txt\n", (elsewhere / "Album").string()), 0);
    EXPECT_EQ(ReadDump("start.txt")["browseMode"], "1");
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

}  // namespace
}  // namespace scenario
