// The slide show on the virtual clock.
#include <vector>

#include "app/main_window.h"
#include "app/slide_show.h"
#include "platform/device/message_loop.h"
#include "viewer_fixture.h"

namespace viewer_test {
namespace {

constexpr int64_t kInterval = 3000;  // the default slideSeconds
constexpr int64_t kFrame = 50;       // the cover's tick

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

// The slide tick opens the next picture and hands over to the cover's timer;
// the cover's last frame hands back to the slide timer, whose interval runs
// from then on, unless the show was stopped meanwhile: a stop lets the cover
// arrive. A menu cuts a cover short and ends the show.
TEST_F(ViewerTest, EachCoverDrawsItsFramesThenHandsBackTheSlideTimer) {
    const auto frames = [](int32_t first, int32_t step, int32_t count) {
        std::vector<int32_t> f;
        for (int32_t i = 0; i < count; ++i) f.push_back(first + i * step);
        f.push_back(0);  // the final frame, on the tick after the offset passes 0
        return f;
    };
    struct Case { int32_t effect; std::vector<int32_t> frames; bool stopped; } cases[] = {
        {CoverLeft, frames(240, -10, 25), false},
        {CoverRight, frames(-240, 10, 25), true},
        {CoverDown, frames(-268, 15, 18), false},
        {CoverUp, frames(268, -15, 18), true},
    };
    ListFolder({"a.jpg", "b.jpg"});
    ASSERT_EQ(Open("a.jpg"), 1);
    const Program& p = program();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.effect);
        program().settings.slideEffect = c.effect;
        StartSlideShow(window_);
        device_->processPending();
        FillWindow(kBlack);
        device_->advance(kInterval);
        ASSERT_EQ(p.viewState.effectRunning, 1);
        EXPECT_FALSE(TimerRuns(kSlideTimer));
        EXPECT_EQ(Pixel(120, 100), kBlack) << "nothing drawn before the cover's first tick";
        if (c.stopped) StopSlideShow(window_);
        std::vector<int32_t> seen;
        while (p.viewState.effectRunning && seen.size() < 100) {
            device_->advance(kFrame);
            seen.push_back(FrameOffset(this, c.effect));
        }
        EXPECT_EQ(seen, c.frames);
        EXPECT_FALSE(TimerRuns(kEffectTimer));
        EXPECT_EQ(TimerRuns(kSlideTimer), !c.stopped);
        if (c.stopped) continue;
        device_->advance(kInterval - 1);
        EXPECT_EQ(p.viewState.effectRunning, 0);
        device_->advance(1);
        ASSERT_EQ(p.viewState.effectRunning, 1);
        device_->advance(5 * kFrame);
        FillWindow(kBlack);
        device::SendMessage(window_, device::WM_INITMENUPOPUP, 0, 0);
        EXPECT_EQ(Pixel(0, 0), kWhite) << "the final frame, at once";
        EXPECT_EQ(p.shell.slideShowRunning + p.viewState.effectRunning + p.shell.viewBarBits, 0);
        EXPECT_FALSE(TimerRuns(kEffectTimer) || TimerRuns(kSlideTimer));
    }
}

// At either end the show turns. A lone picture opens nothing and the timer
// runs on; with only unreadable neighbours the show stalls, still marked
// running, until it is stopped.
TEST_F(ViewerTest, TheShowTurnsAtEitherEndAndKeepsAPictureWithNothingElseToOpen) {
    struct Case {
        std::initializer_list<const char*> folder;
        const char* start;
        int forward;
        std::vector<std::u16string> shown;  // after each tick
        bool timerRuns;
    } cases[] = {
        {{"a.jpg", "b.jpg", "c.jpg"}, "c.jpg", 1, {u"b.jpg", u"a.jpg", u"b.jpg", u"c.jpg", u"b.jpg"}, true},
        {{"a.jpg", "b.jpg", "c.jpg"}, "a.jpg", 0, {u"b.jpg", u"c.jpg"}, true},
        {{"a.jpg"}, "a.jpg", 0, {u"a.jpg", u"a.jpg"}, true},
        // Nothing else opens: the show keeps its picture and keeps trying.
        {{"a.jpg", "bad.jpg"}, "a.jpg", 0, {u"a.jpg", u"a.jpg"}, true},
    };
    const Program& p = program();
    for (const Case& c : cases) {
        SCOPED_TRACE(&c - cases);
        ListFolder(c.folder);
        ASSERT_EQ(Open(c.start), 1);
        program().shell.slideForward = c.forward;
        StartSlideShow(window_);
        std::vector<std::u16string> shown;
        for (size_t i = 0; i < c.shown.size(); ++i) {
            device_->advance(kInterval);
            shown.push_back(Showing());
        }
        EXPECT_EQ(shown, c.shown);
        EXPECT_TRUE(p.viewState.currentImage);
        EXPECT_EQ(p.shell.slideShowRunning, 1);
        EXPECT_EQ(TimerRuns(kSlideTimer), c.timerRuns);
        StopSlideShow(window_);
        EXPECT_FALSE(TimerRuns(kSlideTimer));
        EXPECT_EQ(p.shell.viewBarBits, 0);
    }
}

}  // namespace
}  // namespace viewer_test
