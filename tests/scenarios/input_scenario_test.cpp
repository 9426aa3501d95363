// What the stylus does to the viewer as the user sees it: quick pan
// strokes stay pans.
#include "scenario.h"

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

}  // namespace
}  // namespace scenario
