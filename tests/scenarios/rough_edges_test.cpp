// What a new user runs into at the edges.
#include "scenario.h"

#include <fstream>
#include <iterator>

namespace scenario {
namespace {

class RoughEdges : public ScenarioTest {
protected:
    // The view bars that show in a dump.
    static std::vector<int> ViewBarsShown(const Dump& dump) {
        std::vector<int> shown;
        for (int bar : {149, 167, 168, 169})
            if (dump.Shown(bar)) shown.push_back(bar);
        return shown;
    }
    static bool AllWhite(const QImage& shot, int top, int bottom) {
        for (int y = top; y < bottom; ++y)
            for (int x = 0; x < shot.width(); ++x)
                if (shot.pixel(x, y) != qRgb(255, 255, 255)) return false;
        return true;
    }
};

// The bar's last button starts the show and, on the bar that replaces it,
// stops it; the show can be started again, and only one view bar shows.
TEST_F(RoughEdges, TheSlideButtonStartsAndStopsTheShowEachTime) {
    WritePicture("a.jpg", 320, 240);
    WritePicture("b.jpg", 320, 240);
    ASSERT_EQ(Run("tap 227 307\ndump 1.txt\ntap 227 307\ndump 2.txt\ntap 227 307\ndump 3.txt\n",
                  (root_ / "a.jpg").string()),
              0);
    const std::pair<const char*, int> expected[] = {{"1.txt", 167}, {"2.txt", 149}, {"3.txt", 167}};
    for (const auto& [name, bar] : expected) {
        const Dump dump = ReadDump(name);
        EXPECT_EQ(dump["slideShowRunning"], bar == 167 ? "1" : "0") << name;
        EXPECT_EQ(ViewBarsShown(dump), std::vector<int>{bar}) << name;
    }
}

// A drag shows its line while the stylus moves; a release anywhere above
// the window, off the screen too, collapses the tree.
TEST_F(RoughEdges, TheSeparatorDragShowsItsLineAndAReleaseAboveCollapsesTheTree) {
    WritePicture("a.jpg", 30, 20);
    ASSERT_EQ(Run("down 120 106\nmove 120 176\nshot drag.png\nup 120 -5\ndump up.txt\nshot up.png\n"), 0);
    const QImage drag = ReadShot("drag.png");
    for (int x : {2, 120, 237}) EXPECT_EQ(drag.pixel(x, 176), qRgb(0, 0, 0)) << x;
    const Dump up = ReadDump("up.txt");
    EXPECT_EQ(up["split"], "-1");
    EXPECT_EQ(up["splitButtonBits"], "6");
    EXPECT_FALSE(up.HasWindow({"class=DragLine"}));
    EXPECT_NE(ReadShot("up.png").pixel(120, 176), qRgb(0, 0, 0));
}

// A very large picture zoomed out step by step stops while it can still be
// drawn: never a zoom of nothing and a white screen.
TEST_F(RoughEdges, ZoomingOutAHugePictureStopsBeforeItVanishes) {
    WritePicture("wide.jpg", 8000, 600, demo::Scene::Checker);
    std::string script;
    for (int i = 0; i < 30; ++i) script += "command 40090\n";
    // Fit first: its zoom, 240 / 8000, lies just above the ladder's floor.
    ASSERT_EQ(Run("command 40040\n" + script + "dump out.txt\nshot out.png\n", (root_ / "wide.jpg").string()), 0);
    EXPECT_EQ(ReadDump("out.txt")["zoom"], "0.030");
    EXPECT_FALSE(AllWhite(ReadShot("out.png"), 26, 294));
}

// A start file the next start could not read is never stored, and a stored
// one this run could not read is left as it is.
TEST_F(RoughEdges, AStartFileThatCannotBeReadBackIsNeverStoredOrLost) {
    const std::string longFolder(200, 'f');
    WritePicture(longFolder + "/" + std::string(60, 'g') + ".jpg", 30, 20);
    StoreDword(u"OpenMode", 1);
    StoreString(u"OpenFile", u"\\short.jpg");
    // Open the picture of the 266-character path from the list, then quit.
    ASSERT_EQ(Run("tap 40 136\ndump open.txt\nquit\n", (root_ / longFolder).string()), 0);
    EXPECT_EQ(ReadDump("open.txt")["browseMode"], "0");
    EXPECT_EQ(StoredString(u"OpenFile"), u"\\short.jpg");

    const std::string tooLong(300, 'x');
    StoreString(u"OpenFile", u"\\" + std::u16string(tooLong.begin(), tooLong.end()));
    ASSERT_EQ(Run("quit\n"), 0);
    std::ifstream in(folder_ / "config" / "ezo" / "registry.reg");
    const std::string stored((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    EXPECT_NE(stored.find(tooLong), std::string::npos) << stored;
}

// Settings that cannot be saved end the run as a failure.
TEST_F(RoughEdges, SettingsThatCannotBeSavedFailTheRun) {
    std::ofstream(folder_ / "config" / "ezo") << "a file where the settings folder should be";
    EXPECT_EQ(Run("quit\n"), 1);
}

}  // namespace
}  // namespace scenario
