// A menu as the user sees it: it leaves the window active and the task bar's
// title in place.
#include "scenario.h"

#include <QColor>

namespace scenario {
namespace {

class InputScenario : public ScenarioTest {};

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
    // Back to the browse screen's keys: the tree, as the root lists no pictures.
    EXPECT_EQ(closed["focus"], "class=SysTreeView32 id=1003 title=\"DirectoryView\"");
}

}  // namespace
}  // namespace scenario
