// What the stylus and the menus do to the viewer as the user sees it: quick
// pan strokes stay pans, and a menu leaves the task bar's title in place.
#include "scenario.h"

#include <QColor>

namespace scenario {
namespace {

class InputScenario : public ScenarioTest {};

TEST_F(InputScenario, TwoQuickPanStrokesAreTwoPansNotADoubleTap) {
    WritePicture("a.jpg", 800, 600);
    // A tap on the row opens the picture at actual size; each stroke drags
    // it 20 pixels, the second one at once after the first.
    ASSERT_EQ(Run("tap 40 136\ndump opened.txt\n"
                  "down 120 150\nmove 100 150\nup 100 150\ndown 120 150\nmove 100 150\nup 100 150\n"
                  "dump panned.txt\n"),
              0);
    const Dump opened = ReadDump("opened.txt");
    const Dump panned = ReadDump("panned.txt");
    ASSERT_EQ(opened["browseMode"], "0");
    EXPECT_EQ(panned["fullScreen"], "0");
    EXPECT_EQ(std::stoi(panned["xOffset"]), std::stoi(opened["xOffset"]) + 40);
}

TEST_F(InputScenario, AnOpenMenuLeavesTheWindowActiveAndItsTitleOnTheTaskBar) {
    // The File button of the menu bar opens its menu; Esc closes it.
    ASSERT_EQ(Run("tap 23 307\ndump open.txt\nshot open.png\nkey Esc\ndump closed.txt\n"), 0);
    const Dump open = ReadDump("open.txt");
    ASSERT_TRUE(open.HasWindow({"class=MenuPopup", "visible=1"})) << open.text;
    EXPECT_EQ(open["active"], "\"Ezo\"");
    EXPECT_EQ(open["focus"], "class=MenuPopup id=0 title=\"\"");  // the menu has the keys
    // "Ezo" in white on the task bar, right of its icon.
    const QImage shot = ReadShot("open.png");
    int white = 0;
    for (int y = 4; y < 22; ++y)
        for (int x = 26; x < 60; ++x) white += shot.pixelColor(x, y) == QColor(Qt::white);
    EXPECT_GT(white, 20);
    const Dump closed = ReadDump("closed.txt");
    EXPECT_FALSE(closed.HasWindow({"class=MenuPopup"}));
    EXPECT_EQ(closed["active"], "\"Ezo\"");
    EXPECT_EQ(closed["focus"], "class=Ezo id=0 title=\"Ezo\"");
}

}  // namespace
}  // namespace scenario
