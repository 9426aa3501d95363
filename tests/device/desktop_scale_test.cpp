// The window's scale: the largest that fits, or the one asked for, with whether it fits.
#include <gtest/gtest.h>

#include "platform/device/desktop_scale.h"

namespace device {
namespace {

TEST(DesktopScale, TakesTheLargestThatFitsUpToTwoOrTheOneAskedFor) {
    const struct { int requested; QSize desktop; int scale; bool fits; } cases[] = {
        {0, {1366, 738}, 2, true},  // a 768-pixel laptop without its panel
        {0, {1920, 1040}, 2, true}, // larger desktops still get 2
        {0, {1024, 639}, 1, true},  // 640 rows are one too many for 2
        {0, {480, 640}, 2, true},   // exactly 2
        {0, {200, 300}, 1, false},  // not even 1 fits: 1 all the same
        {0, {}, 2, true},           // no screen to ask
        {3, {1366, 738}, 3, false}, // asked for: taken, but it does not fit
        {3, {1920, 1040}, 3, true},
        {1, {1366, 738}, 1, true},
    };
    for (const auto& c : cases) {
        const ScaleChoice choice = ChooseScale(c.requested, c.desktop);
        EXPECT_EQ(choice.scale, c.scale) << c.requested << " " << c.desktop.width() << "x" << c.desktop.height();
        EXPECT_EQ(choice.fits, c.fits) << c.requested << " " << c.desktop.width() << "x" << c.desktop.height();
    }
}

}  // namespace
}  // namespace device
