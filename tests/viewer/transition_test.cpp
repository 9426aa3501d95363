// The cover transitions frame by frame on the virtual clock, and how they
// end: at their last frame, or cut short by a menu.
#include <functional>
#include <vector>

#include "app/shell/shell_state.h"
#include "app/shell/slide_timer.h"
#include "image/transition.h"
#include "image/view_state.h"
#include "platform/device/message_loop.h"
#include "settings/settings.h"
#include "viewer_fixture.h"

namespace viewer_test {
namespace {

using namespace ezo;

constexpr int32_t kWidth = 240, kHeight = 268;

// Where the frame sits, read off the window: the old screen is black, and
// the new frame's edge rows and columns are white (its picture is a small
// one in the middle). A frame not yet on screen reads as the full travel.
using PixelOf = std::function<gdi::COLORREF(int32_t, int32_t)>;
int32_t FrameOffset(const PixelOf& pixel, int32_t effect) {
    int32_t white = 0;
    switch (effect) {
    case CoverLeft:  // covers [x, 240) of row 0
        while (white < kWidth && pixel(kWidth - 1 - white, 0) == kWhite) ++white;
        return kWidth - white;
    case CoverRight:  // covers [0, 240 + x)
        while (white < kWidth && pixel(white, 0) == kWhite) ++white;
        return white - kWidth;
    case CoverDown:  // covers rows [0, 268 + y) of column 0
        while (white < kHeight && pixel(0, white) == kWhite) ++white;
        return white - kHeight;
    default:  // Cover Up: rows [y, 268)
        while (white < kHeight && pixel(0, kHeight - 1 - white) == kWhite) ++white;
        return kHeight - white;
    }
}

std::vector<int32_t> Frames(int32_t first, int32_t step, int32_t count) {
    std::vector<int32_t> frames;
    for (int32_t i = 0; i < count; ++i) frames.push_back(first + i * step);
    frames.push_back(0);  // the final frame
    return frames;
}

TEST_F(ViewerTest, EachCoverEffectDrawsItsFramesAndHandsBackTheSlideTimer) {
    struct Case {
        const char* name;
        int32_t effect;
        std::vector<int32_t> frames;
        int slideShow;
    } cases[] = {
        {"cover left", CoverLeft, Frames(240, -10, 25), 1},
        {"cover right", CoverRight, Frames(-240, 10, 25), 0},
        {"cover down", CoverDown, Frames(-268, 15, 18), 1},
        {"cover up", CoverUp, Frames(268, -15, 18), 0},
    };
    gdi::RECT client{};
    device::GetClientRect(window_, &client);
    ASSERT_EQ(client, (gdi::RECT{0, 0, kWidth, kHeight}));
    const auto pixel = [this](int32_t x, int32_t y) { return Pixel(x, y); };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        shell.browseMode = 0;
        shell.slideShowRunning = c.slideShow;
        viewState.currentImage = draw_test::Blank(4, 3);
        settings.slideEffect = c.effect;
        FillWindow(0);
        StartTransition(window_);
        EXPECT_EQ(viewState.effectRunning, 1);
        EXPECT_EQ(pixel(120, 10), gdi::COLORREF(0)) << "nothing drawn before the first tick";
        std::vector<int32_t> seen;
        while (viewState.effectRunning && seen.size() < 100) {
            device_->advance(kEffectPeriodMs);
            seen.push_back(FrameOffset(pixel, c.effect));
        }
        EXPECT_EQ(seen, c.frames);
        EXPECT_FALSE(TimerRuns(kEffectTimer));
        EXPECT_EQ(TimerRuns(kSlideTimer), c.slideShow == 1);
        shell.slideShowRunning = 0;
        StopSlideTimer(window_);
    }
}

// A menu opening mid-way shows the new picture in place at once; no tick
// draws after it.
TEST_F(ViewerTest, AMenuOpeningCutsATransitionShort) {
    shell.browseMode = 0;
    shell.slideShowRunning = 1;
    shell.viewBarBits = 1;
    viewState.currentImage = draw_test::Blank(4, 3);
    settings.slideEffect = CoverLeft;
    FillWindow(0);
    StartTransition(window_);
    device_->advance(10 * kEffectPeriodMs);
    ASSERT_EQ(FrameOffset([this](int32_t x, int32_t y) { return Pixel(x, y); }, CoverLeft), 150);
    device::SendMessage(window_, device::WM_INITMENUPOPUP, 0, 0);
    EXPECT_EQ(Pixel(0, 0), kWhite);
    EXPECT_EQ(viewState.effectRunning, 0);
    EXPECT_EQ(shell.slideShowRunning, 0);
    EXPECT_EQ(shell.viewBarBits, 0);
    EXPECT_FALSE(TimerRuns(kEffectTimer));
    EXPECT_FALSE(TimerRuns(kSlideTimer));
    FillWindow(0);
    device_->advance(10000);
    EXPECT_EQ(Pixel(0, 0), gdi::COLORREF(0));
}

}  // namespace
}  // namespace viewer_test
