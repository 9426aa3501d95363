// The vertical offset full screen allows, and which command a key action
// sends.
#include <gtest/gtest.h>

#include "app/resource_ids.h"
#include "app/view_places.h"
#include "settings/settings.h"

namespace ezo {
namespace {

TEST(ViewPlaces, FullScreenPullsTheVerticalOffsetUpToTheNewLimit) {
    struct Case {
        int32_t yOffset, pictureHeight;
        float zoom;
        int32_t expected;
    } cases[] = {
        {120, 200, 2.0f, 80},   // 400 high on a 320-pixel view: at most 80
        {50, 200, 2.0f, 50},    // already inside
        {30, 200, 1.0f, 0},     // the picture fits the screen: no offset
        {200, 901, 0.5f, 130},  // 450.5 - 320, truncated
        {0, 0, 1.0f, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.yOffset);
        EXPECT_EQ(FullScreenYOffset(c.yOffset, c.pictureHeight, c.zoom, 346), c.expected);
    }
}

TEST(ViewPlaces, KeyActionsBecomeCommands) {
    struct Case {
        int32_t action;
        int viewBarBits;
        uint16_t command;
    } cases[] = {
        {FullScreen, 0, IDM_FULL_SCREEN}, {LandScape, 2, IDM_LANDSCAPE}, {Quit, 0, IDM_EXIT},
        {SlideShow, 0, IDM_SLIDE_START},  {SlideShow, 2, IDM_SLIDE_START}, {SlideShow, 1, IDM_SLIDE_STOP},
        {SlideShow, 3, IDM_SLIDE_STOP},   {4, 0, 0},                       {-1, 0, 0},
        {0x7FFFFFFF, 1, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.action << " bits " << c.viewBarBits);
        EXPECT_EQ(KeyActionToCommand(c.action, c.viewBarBits), c.command);
    }
}

}  // namespace
}  // namespace ezo
