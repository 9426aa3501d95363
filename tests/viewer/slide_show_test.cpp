// The cover transitions frame by frame on the virtual clock, and the slide
// show: turning at the ends, the hand-over between timers, stopping.
#include <vector>

#include "app/shell/slide_timer.h"
#include "app/slide_show.h"
#include "platform/device/message_loop.h"
#include "viewer_fixture.h"

namespace viewer_test {
namespace {

constexpr int64_t kInterval = 3000;

// Where the frame sits, read off the 240 x 268 window: the old screen is
// black and the new frame's edges white (its picture is a small one in the
// middle). A frame not yet on screen reads as the whole travel.
int32_t FrameOffset(const ViewerTest* t, int32_t effect) {
    const bool vertical = effect == CoverDown || effect == CoverUp;
    const bool fromEnd = effect == CoverLeft || effect == CoverUp;
    const int32_t travel = vertical ? 268 : 240;
    int32_t white = 0;
    for (; white < travel; ++white) {
        const int32_t at = fromEnd ? travel - 1 - white : white;
        if ((vertical ? t->Pixel(0, at) : t->Pixel(at, 0)) != kWhite) break;
    }
    return fromEnd ? travel - white : white - travel;
}


TEST_F(ViewerTest, EachCoverEffectDrawsItsFramesThenHandsBackTheSlideTimer) {
    const auto frames = [](int32_t first, int32_t step, int32_t count) {
        std::vector<int32_t> f;
        for (int32_t i = 0; i < count; ++i) f.push_back(first + i * step);
        f.push_back(0);  // the final frame, on the tick after the offset passes 0
        return f;
    };
    struct Case {
        int32_t effect;
        std::vector<int32_t> frames;
        int slideShow;
    } cases[] = {
        {CoverLeft, frames(240, -10, 25), 1},
        {CoverRight, frames(-240, 10, 25), 0},
        {CoverDown, frames(-268, 15, 18), 1},
        {CoverUp, frames(268, -15, 18), 0},
    };
    shell.browseMode = 0;
    viewState.currentImage = draw_test::Blank(4, 3);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.effect);
        shell.slideShowRunning = c.slideShow;
        settings.slideEffect = c.effect;
        FillWindow(kBlack);
        StartTransition(window_);
        EXPECT_EQ(Pixel(120, 100), kBlack) << "nothing drawn before the first tick";
        std::vector<int32_t> seen;
        while (viewState.effectRunning && seen.size() < 100) {
            device_->advance(kEffectPeriodMs);
            seen.push_back(FrameOffset(this, c.effect));
        }
        EXPECT_EQ(seen, c.frames);
        EXPECT_FALSE(TimerRuns(kEffectTimer));
        EXPECT_EQ(TimerRuns(kSlideTimer), c.slideShow == 1);
        StopSlideTimer(window_);
    }
}

TEST_F(ViewerTest, TheShowTurnsAtEitherEnd) {
    struct Case {
        const char* start;
        int forward;
        std::vector<std::u16string> shown;  // after each tick
    } cases[] = {
        {"c.jpg", 1, {u"b.jpg", u"a.jpg", u"b.jpg", u"c.jpg", u"b.jpg"}},
        {"a.jpg", 0, {u"b.jpg", u"c.jpg"}},
    };
    ListFolder({"a.jpg", "b.jpg", "c.jpg"});
    for (const Case& c : cases) {
        SCOPED_TRACE(c.start);
        ASSERT_EQ(Open(c.start), 1);
        shell.slideForward = c.forward;
        StartSlideShow(window_);
        std::vector<std::u16string> shown;
        for (size_t i = 0; i < c.shown.size(); ++i) {
            device_->advance(kInterval);
            shown.push_back(Showing());
        }
        EXPECT_EQ(shown, c.shown);
        StopSlideShow(window_);
        EXPECT_FALSE(TimerRuns(kSlideTimer));
    }
}

// A lone picture opens nothing and the timer runs on; with only unreadable
// neighbours the show stalls, still marked running, until it is stopped.
TEST_F(ViewerTest, AShowWithNothingElseToOpenKeepsItsPicture) {
    struct Case {
        std::initializer_list<const char*> folder;
        bool timerRuns;
    } cases[] = {{{"a.jpg"}, true}, {{"a.jpg", "bad.jpg"}, false}};
    for (const Case& c : cases) {
        ListFolder(c.folder);
        ASSERT_EQ(Open("a.jpg"), 1);
        StartSlideShow(window_);
        device_->advance(2 * kInterval);
        EXPECT_EQ(Showing(), u"a.jpg");
        EXPECT_TRUE(viewState.currentImage);
        EXPECT_EQ(shell.slideShowRunning, 1);
        EXPECT_EQ(TimerRuns(kSlideTimer), c.timerRuns);
        StopSlideShow(window_);
        EXPECT_EQ(shell.viewBarBits, 0);
    }
}

// The interval runs from the end of one transition to the start of the
// next; a stop lets the transition end, a menu cuts it short.
TEST_F(ViewerTest, ATransitionHoldsTheSlideTimerUntilItEnds) {
    ListFolder({"a.jpg", "b.jpg", "c.jpg", "d.jpg"});
    ASSERT_EQ(Open("a.jpg"), 1);
    settings.slideEffect = CoverLeft;
    shell.slideForward = 1;
    StartSlideShow(window_);
    device_->advance(kInterval + 26 * kEffectPeriodMs);
    EXPECT_EQ(viewState.effectRunning, 0);
    EXPECT_TRUE(TimerRuns(kSlideTimer));
    device_->advance(kInterval - 1);
    EXPECT_EQ(Showing(), u"b.jpg");
    device_->advance(1 + 5 * kEffectPeriodMs);
    EXPECT_EQ(Showing(), u"c.jpg");
    StopSlideShow(window_);
    device_->advance(26 * kEffectPeriodMs);
    EXPECT_EQ(viewState.effectRunning, 0);
    EXPECT_FALSE(TimerRuns(kSlideTimer));

    StartSlideShow(window_);
    device_->advance(kInterval + 10 * kEffectPeriodMs);
    ASSERT_EQ(viewState.effectRunning, 1);
    device::SendMessage(window_, device::WM_INITMENUPOPUP, 0, 0);
    EXPECT_EQ(Pixel(0, 0), kWhite) << "the final frame, at once";
    EXPECT_EQ(shell.slideShowRunning + viewState.effectRunning + shell.viewBarBits, 0);
    EXPECT_FALSE(TimerRuns(kEffectTimer) || TimerRuns(kSlideTimer));
}

}  // namespace
}  // namespace viewer_test
