// Viewing pictures: opening from the list, stepping, zoom and fit, full
// screen, the hardware keys, the slide show on the virtual clock, the
// splitter and Delete. Each starts from a stored start option or the list.
#include "scenario.h"

#include <algorithm>
#include <set>

#include "demo/scenes.h"

namespace scenario {
namespace {

bool Shown(const Dump& dump, int id) { return dump.HasWindow({" id=" + std::to_string(id) + " ", "visible=1"}); }

class ViewScenario : public ScenarioTest {
protected:
    // Pictures a, b, c in \Pictures, and a start option that opens `first`.
    void StartOn(const std::u16string& first) {
        WritePicture("Pictures/a.jpg", 320, 240, demo::Scene::Sunset);
        WritePicture("Pictures/b.jpg", 320, 240, demo::Scene::Checker);
        WritePicture("Pictures/c.jpg", 320, 240, demo::Scene::Night);
        StoreDword(u"OpenMode", 1);
        StoreString(u"OpenFile", first);
    }
};

TEST_F(ViewScenario, TheListShowsTheFolderAndATapOpensARow) {
    WritePicture("b b.gif", 30, 20);
    WritePicture("a.jpg", 30, 20);
    // The list starts below the separator (screen row 26 + 86) with a 16-pixel
    // header; a tap on a row opens it.
    ASSERT_EQ(Run("dump list.txt\ntap 40 136\ndump opened.txt\n"), 0);
    const Dump list = ReadDump("list.txt");
    EXPECT_EQ(list["rowCount"], "2");
    ASSERT_EQ(list.rows.size(), 2u);
    // The folder's own order decides the rows' order until a column is tapped.
    std::vector<std::string> rows = list.rows;
    std::sort(rows.begin(), rows.end());
    EXPECT_EQ(rows[0].rfind("a.jpg | JPEG | 1K | ", 0), 0u) << rows[0];
    EXPECT_EQ(rows[1].rfind("b b.gif | GIF | 1K | ", 0), 0u) << rows[1];
    const std::string first = list.rows[0].substr(0, list.rows[0].find(" | "));
    const Dump opened = ReadDump("opened.txt");
    EXPECT_EQ(opened["browseMode"], "0");
    EXPECT_EQ(opened["title"], "Ezo - " + first.substr(0, first.rfind('.')));
    EXPECT_EQ(opened["latestFile"], "\\" + first);
}

// Two pictures in the folder's own order: each arrow either opens the other
// one or, at an end, beeps and keeps the picture.
TEST_F(ViewScenario, ArrowsStepThroughTheFolderAndBeepAtItsEnds) {
    WritePicture("Pictures/a.jpg", 320, 240, demo::Scene::Sunset);
    WritePicture("Pictures/b.jpg", 320, 240, demo::Scene::Checker);
    StoreDword(u"OpenMode", 1);
    StoreString(u"OpenFile", u"\\Pictures\\a.jpg");
    ASSERT_EQ(Run("dump 0.txt\nkey Right\ndump 1.txt\nkey Right\ndump 2.txt\nkey Left\ndump 3.txt\n"
                  "key Up\ndump 4.txt\nkey Down\ndump 5.txt\n"),
              0);
    std::set<std::string> seen;
    Dump before = ReadDump("0.txt");
    for (int step = 1; step <= 5; ++step) {
        SCOPED_TRACE(step);
        const Dump after = ReadDump(std::to_string(step) + ".txt");
        const bool moved = after["title"] != before["title"];
        const bool beeped = std::stoi(after["beeps"]) == std::stoi(before["beeps"]) + 1;
        EXPECT_NE(moved, beeped) << before["title"] << " -> " << after["title"];
        seen.insert(after["title"]);
        before = after;
    }
    EXPECT_EQ(seen, (std::set<std::string>{"Ezo - a", "Ezo - b"}));
}

TEST_F(ViewScenario, ZoomFitAndRefreshChangeTheDrawing) {
    StartOn(u"\\Pictures\\a.jpg");
    ASSERT_EQ(Run("command 40089\ndump in.txt\ncommand 40090\ncommand 40090\ndump out.txt\n"
                  "command 40040\ndump fit.txt\ncommand 40071\ncommand 40095\ndump refresh.txt\n"),
              0);
    const Dump in = ReadDump("in.txt");
    EXPECT_EQ(in["zoom"], "1.500");
    EXPECT_EQ(in["previousZoom"], "1.000");
    EXPECT_EQ(ReadDump("out.txt")["zoom"], "0.800");
    const Dump fit = ReadDump("fit.txt");
    EXPECT_EQ(fit["fitToggle"], "1");
    EXPECT_EQ(fit["viewBarBits"], "2");
    EXPECT_TRUE(Shown(fit, 168));
    const Dump refresh = ReadDump("refresh.txt");
    EXPECT_EQ(refresh["flipBits"], "0");
    EXPECT_EQ(refresh["zoom"], "1.000");
    EXPECT_EQ(refresh["fitToggle"], "0");
}

TEST_F(ViewScenario, FullScreenByDoubleTapAndBackByTheOverlayButton) {
    StartOn(u"\\Pictures\\a.jpg");
    ASSERT_EQ(Run("dbltap 120 160\ndump full.txt\nshot full.png\ncommand 1001\ndump back.txt\n"), 0);
    const Dump full = ReadDump("full.txt");
    EXPECT_EQ(full["fullScreen"], "1");
    EXPECT_EQ(full["taskbar"], "hidden");
    EXPECT_TRUE(Shown(full, 1005));
    EXPECT_FALSE(Shown(full, 149));
    const Dump back = ReadDump("back.txt");
    EXPECT_EQ(back["fullScreen"], "0");
    EXPECT_EQ(back["taskbar"], "shown");
    EXPECT_TRUE(Shown(back, 149));
}

// Default key map: 1 landscape, 2 full screen, 3 slide show, 4 quit.
TEST_F(ViewScenario, HardwareKeysRunTheirActionsOnlyWhileViewing) {
    StartOn(u"\\Pictures\\a.jpg");
    ASSERT_EQ(Run("appkey 1\ndump landscape.txt\nappkey 1\nappkey 2\ndump full.txt\nappkey 2\n"
                  "appkey 3\ndump slide.txt\nappkey 3\ndump stopped.txt\nappkey 4\ndump never.txt\n"),
              0);
    EXPECT_EQ(ReadDump("landscape.txt")["landscapeMode"], "1");
    EXPECT_EQ(ReadDump("full.txt")["fullScreen"], "1");
    EXPECT_EQ(ReadDump("slide.txt")["slideShowRunning"], "1");
    EXPECT_EQ(ReadDump("stopped.txt")["slideShowRunning"], "0");
    // Quit ended the program, and the settings were saved on the way.
    EXPECT_FALSE(fs::exists(folder_ / "never.txt"));
    EXPECT_EQ(StoredDword(u"refine"), 1);
}

TEST_F(ViewScenario, TheSlideShowAdvancesOnTheVirtualClockAndTurnsAtTheEnd) {
    StartOn(u"\\Pictures\\a.jpg");
    StoreDword(u"Slide", 2);
    ASSERT_EQ(Run("command 40086\ndump started.txt\nwait 1999\ndump early.txt\nwait 1\ndump tick1.txt\n"
                  "wait 2000\ndump tick2.txt\nwait 2000\ndump tick3.txt\ncommand 40093\ndump stopped.txt\n"),
              0);
    const Dump started = ReadDump("started.txt");
    EXPECT_EQ(started["slideShowRunning"], "1");
    EXPECT_TRUE(Shown(started, 167));
    EXPECT_NE(started.text.find("timer=1 period=2000"), std::string::npos) << started.text;
    EXPECT_EQ(ReadDump("early.txt")["title"], "Ezo - a");
    const std::string t1 = ReadDump("tick1.txt")["title"];
    const std::string t2 = ReadDump("tick2.txt")["title"];
    const std::string t3 = ReadDump("tick3.txt")["title"];
    EXPECT_NE(t1, "Ezo - a");
    EXPECT_NE(t2, t1);
    EXPECT_NE(t3, t2);
    const Dump stopped = ReadDump("stopped.txt");
    EXPECT_EQ(stopped["slideShowRunning"], "0");
    EXPECT_TRUE(Shown(stopped, 149));
}

TEST_F(ViewScenario, TheSplitterFollowsItsButtonsAndADrag) {
    // Button 5303 sits at client (8, 78): screen (8..14, 104..110).
    ASSERT_EQ(Run("tap 11 107\ndump collapsed.txt\ndown 120 30\nmove 120 150\nup 120 150\ndump dragged.txt\n"),
              0);
    const Dump collapsed = ReadDump("collapsed.txt");
    EXPECT_EQ(collapsed["split"], "-1");
    EXPECT_EQ(collapsed["splitButtonBits"], "6");
    const Dump dragged = ReadDump("dragged.txt");
    EXPECT_EQ(dragged["split"], "124");  // screen row 150 is client row 124
    EXPECT_EQ(dragged["splitButtonBits"], "3");
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
