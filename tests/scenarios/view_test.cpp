// The slide show through the headless driver, on the virtual clock with the
// interval stored by an earlier run.
#include "scenario.h"

#include "demo/scenes.h"

namespace scenario {
namespace {

class ViewScenario : public ScenarioTest {};

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

}  // namespace
}  // namespace scenario
