// The slide show on the virtual clock: turning at the ends, the hand-over
// to the transitions, and stopping.
#include <string>
#include <vector>

#include "app/resource_ids.h"
#include "app/shell/shell_state.h"
#include "app/shell/shell_windows.h"
#include "app/slide_show.h"
#include "image/transition.h"
#include "image/view_state.h"
#include "settings/settings.h"
#include "viewer_fixture.h"

namespace viewer_test {
namespace {

using namespace ezo;

constexpr int64_t kInterval = 3000;

TEST_F(ViewerTest, TheShowTurnsAtEitherEnd) {
    struct Case {
        const char* start;
        int forward;
        std::vector<std::string> shown;  // after each tick
    } cases[] = {
        {"c.jpg", 1, {"b.jpg", "a.jpg", "b.jpg", "c.jpg", "b.jpg"}},
        {"a.jpg", 0, {"b.jpg", "c.jpg", "b.jpg"}},
        {"b.jpg", 1, {"c.jpg", "b.jpg", "a.jpg"}},
    };
    ListFolder({"a.jpg", "b.jpg", "c.jpg"});
    for (const Case& c : cases) {
        SCOPED_TRACE(c.start);
        ASSERT_EQ(Open(c.start), 1);
        shell.slideForward = c.forward;
        StartSlideShow(window_);
        std::vector<std::string> shown;
        for (size_t i = 0; i < c.shown.size(); ++i) {
            device_->advance(kInterval);
            shown.push_back(Showing());
            uint32_t period = 0;
            EXPECT_TRUE(TimerRuns(kSlideTimer, &period));
            EXPECT_EQ(period, kInterval);
        }
        EXPECT_EQ(shown, c.shown);
        StopSlideShow(window_);
    }
}

TEST_F(ViewerTest, StartingAndStoppingSwapTheViewBar) {
    ListFolder({"a.jpg"});
    StartSlideShow(window_);
    EXPECT_EQ(shell.slideShowRunning, 0) << "nothing loaded, on the browse screen";
    ASSERT_EQ(Open("a.jpg"), 1);
    StartSlideShow(window_);
    EXPECT_EQ(shell.viewBarBits, 1);
    EXPECT_TRUE(device::IsWindowVisible(MenuBar(IDR_BAR_VIEW_SLIDE)));
    // One picture: every tick opens nothing and the timer keeps running.
    device_->advance(3 * kInterval);
    EXPECT_EQ(Showing(), "a.jpg");
    EXPECT_TRUE(TimerRuns(kSlideTimer));
    StopSlideShow(window_);
    EXPECT_EQ(shell.slideShowRunning, 0);
    EXPECT_EQ(shell.viewBarBits, 0);
    EXPECT_FALSE(TimerRuns(kSlideTimer));
    // In full screen the bars stay hidden.
    HideViewBars();
    viewState.fullScreen = 1;
    StartSlideShow(window_);
    EXPECT_EQ(shell.viewBarBits, 1);
    EXPECT_FALSE(device::IsWindowVisible(MenuBar(IDR_BAR_VIEW_SLIDE)));
}

// Nothing else opens in either direction: the show stays marked running
// without a timer, with the picture still on view, until it is stopped.
TEST_F(ViewerTest, AShowWithOnlyUnreadableNeighboursStalls) {
    ListFolder({"a.jpg", "bad.jpg"});
    ASSERT_EQ(Open("a.jpg"), 1);
    shell.slideForward = 1;
    StartSlideShow(window_);
    device_->advance(kInterval);
    EXPECT_EQ(shell.slideShowRunning, 1);
    EXPECT_FALSE(TimerRuns(kSlideTimer));
    EXPECT_EQ(Showing(), "a.jpg");
    EXPECT_TRUE(viewState.currentImage);
    StopSlideShow(window_);
    EXPECT_EQ(shell.slideShowRunning, 0);
}

// The interval runs from the end of one transition to the start of the next.
TEST_F(ViewerTest, ACoverTransitionHoldsTheSlideTimerUntilItEnds) {
    ListFolder({"a.jpg", "b.jpg", "c.jpg"});
    ASSERT_EQ(Open("a.jpg"), 1);
    settings.slideEffect = CoverLeft;
    shell.slideForward = 1;
    StartSlideShow(window_);
    device_->advance(kInterval);
    EXPECT_EQ(Showing(), "b.jpg");
    EXPECT_EQ(viewState.effectRunning, 1);
    EXPECT_FALSE(TimerRuns(kSlideTimer));
    device_->advance(26 * kEffectPeriodMs);
    EXPECT_EQ(viewState.effectRunning, 0);
    EXPECT_TRUE(TimerRuns(kSlideTimer));
    device_->advance(kInterval - 1);
    EXPECT_EQ(Showing(), "b.jpg");
    device_->advance(1);
    EXPECT_EQ(Showing(), "c.jpg");

    // Stopped mid-way, the transition still ends but restarts no timer.
    device_->advance(5 * kEffectPeriodMs);
    StopSlideShow(window_);
    device_->advance(26 * kEffectPeriodMs);
    EXPECT_EQ(viewState.effectRunning, 0);
    EXPECT_EQ(Pixel(0, 0), kWhite);
    EXPECT_FALSE(TimerRuns(kSlideTimer));
    EXPECT_FALSE(TimerRuns(kEffectTimer));
}

}  // namespace
}  // namespace viewer_test
