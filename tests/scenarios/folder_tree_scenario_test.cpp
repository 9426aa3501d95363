// The folder tree as the user sees it.
#include "scenario.h"

#include <QColor>

namespace scenario {
namespace {

class FolderTreeScenario : public ScenarioTest {
protected:
    // The tree shows below the task bar, down to the separator.
    static constexpr int kTreeTop = 27, kTreeBottom = 100;
    static bool Highlighted(const QImage& shot, int x, int y) { return shot.pixelColor(x, y) == QColor(0x0A, 0x24, 0x6A); }
    // Rows of the tree with the selection's colour somewhere in x from left to right.
    static int HighlightedRows(const QImage& shot, int left, int right) {
        int rows = 0;
        for (int y = kTreeTop; y < kTreeBottom; ++y) {
            bool any = false;
            for (int x = left; x < right && !any; ++x) any = Highlighted(shot, x, y);
            rows += any;
        }
        return rows;
    }
};

TEST_F(FolderTreeScenario, TheSelectedFolderKeepsItsBoxAndStaysInViewWhenAScrollBarComes) {
    for (const char* folder : {"A", "B", "C", "D", "E", "F/A subfolder whose name is far wider than the tree"})
        fs::create_directories(root_ / folder);
    // Select the root, then F at the bottom of the view with the keys; Right
    // expands it, and its wide subfolder brings the horizontal scroll bar.
    ASSERT_EQ(Run("tap 22 34\nkey Down\nkey Down\nkey Down\nkey Down\nkey Down\nkey Down\nshot selected.png\n"
                  "key Right\ndump expanded.txt\nshot expanded.png\n"),
              0);
    ASSERT_EQ(ReadDump("expanded.txt")["currentFolder"], "\\F\\");
    const QImage selected = ReadShot("selected.png");
    ASSERT_EQ(selected.size(), QSize(240, 320));
    // The label is highlighted, the branch area left of it (two levels of 13
    // pixels, with F's box) is not.
    EXPECT_GE(HighlightedRows(selected, 30, 200), 12);
    EXPECT_EQ(HighlightedRows(selected, 1, 26), 0);
    // The whole selected row still shows above the scroll bar.
    EXPECT_GE(HighlightedRows(ReadShot("expanded.png"), 30, 200), 12);
}

TEST_F(FolderTreeScenario, ALinkBackToItsOwnFolderEndsAtTheDevicePathLimit) {
    WritePicture("Loop/a.jpg", 40, 30);
    const std::string name = "a folder that links back to its own parent";
    fs::create_directory_symlink(".", root_ / "Loop" / name);
    // Right opens the selected folder, then steps into its first subfolder:
    // down the loop as far as the tree goes.
    std::string script = "tap 22 34\n";
    for (int i = 0; i < 30; ++i) script += "key Right\n";
    ASSERT_EQ(Run(script + "dump deepest.txt\n"), 0);
    const Dump deepest = ReadDump("deepest.txt");
    // The deepest folder whose search pattern (the folder, then "*.*") fits
    // 260 characters with the terminating zero; it lists its picture.
    const std::string folder = deepest["currentFolder"];
    EXPECT_LE(folder.size() + 3, 259u) << folder;
    EXPECT_GT(folder.size() + 3 + name.size() + 1, 259u) << folder;
    EXPECT_EQ(deepest["rowCount"], "1");
}

}  // namespace
}  // namespace scenario
