#include "lists_fixture.h"

namespace lists_test {
namespace {

constexpr int kParentTop = 26;
// The grid's bar: x 227, y 0, 13 x 144 in its parent.
constexpr int kBarX = 227, kBarW = 13, kBarH = 144;

class ScrollBarTest : public ListsTest {
protected:
    void SetUp() override {
        ListsTest::SetUp();
        bar_ = Make(u"scrollbar", SBS_VERT, kBarX, 0, kBarW, kBarH, 1002);
        ASSERT_TRUE(bar_);
        Set(0, 261, 158, 0, SIF_RANGE | SIF_PAGE | SIF_POS | SIF_DISABLENOSCROLL);
        Take();
    }
    int32_t Set(int nMin, int nMax, uint32_t page, int pos, uint32_t mask) {
        const SCROLLINFO info{.fMask = mask, .nMin = nMin, .nMax = nMax, .nPage = page, .nPos = pos};
        return SetScrollInfo(bar_, SB_CTL, &info, true);
    }
    int Screen(int y) { return kParentTop + y; }
    HWND bar_ = nullptr;
};

TEST_F(ScrollBarTest, EachPartTappedAsksTheParentAndTheBarWaits) {
    const int x = kBarX + kBarW / 2;
    struct { const char* part; int y; Events expected; } cases[] = {
        {"down arrow", kBarH - 3, {"VSCROLL code=1 pos=0", "VSCROLL code=8 pos=0"}},
        {"up arrow", 3, {"VSCROLL code=0 pos=0", "VSCROLL code=8 pos=0"}},
        {"page area below the thumb", kBarH - 25, {"VSCROLL code=3 pos=0", "VSCROLL code=8 pos=0"}},
    };
    for (const auto& c : cases) {
        Tap(x, Screen(c.y));
        EXPECT_EQ(Take(), c.expected) << c.part;
        EXPECT_EQ(GetScrollPos(bar_, SB_CTL), 0) << c.part;  // only the parent moves it
    }
    SetScrollPos(bar_, SB_CTL, 103, true);
    Tap(x, Screen(16));  // page area above the thumb now
    EXPECT_EQ(Take(), (Events{"VSCROLL code=2 pos=0", "VSCROLL code=8 pos=0"}));
}

TEST_F(ScrollBarTest, ThumbDragTracksThenReportsTheEndPosition) {
    const int x = kBarX + kBarW / 2;
    dev().stylusDown(x, Screen(20));  // on the thumb at the top
    dev().stylusMove(x, Screen(40));
    dev().stylusMove(x, Screen(60));
    SCROLLINFO info{.fMask = SIF_POS | SIF_TRACKPOS};
    GetScrollInfo(bar_, SB_CTL, &info);
    dev().stylusUp(x, Screen(60));
    const Events events = Take();
    ASSERT_GE(events.size(), 4u) << ::testing::PrintToString(events);
    EXPECT_EQ(events[0].rfind("VSCROLL code=5 pos=", 0), 0u) << events[0];
    const std::string last = events[events.size() - 3];
    EXPECT_EQ(last.rfind("VSCROLL code=5 pos=", 0), 0u) << last;
    const std::string tracked = last.substr(std::string("VSCROLL code=5 pos=").size());
    EXPECT_GT(std::stoi(tracked), 0);
    EXPECT_EQ(events[events.size() - 2], "VSCROLL code=4 pos=" + tracked);
    EXPECT_EQ(events.back(), "VSCROLL code=8 pos=0");
    EXPECT_EQ(info.nPos, 0);  // while dragging only the track position moves
    EXPECT_EQ(info.nTrackPos, std::stoi(tracked));
    EXPECT_EQ(GetScrollPos(bar_, SB_CTL), 0);  // the parent did not take it
}

TEST_F(ScrollBarTest, RangeAndPageDecideTheLastPositionAndWhetherTheBarWorks) {
    struct { int nMin, nMax; uint32_t page; int pos; uint32_t mask; int32_t expectedPos; bool enabled; } cases[] = {
        {0, 261, 158, 500, SIF_ALL | SIF_DISABLENOSCROLL, 104, true},  // clamped to max - page + 1
        {0, 91, 158, 40, SIF_ALL | SIF_DISABLENOSCROLL, 0, false},     // all of it fits: disabled
        {0, 261, 158, 20, SIF_ALL | SIF_DISABLENOSCROLL, 20, true},    // needed again: enabled
        {0, 91, 158, 0, SIF_ALL, 0, true},                             // without the option it stays
        {10, 20, 0, 5, SIF_ALL, 10, true},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Set(c.nMin, c.nMax, c.page, c.pos, c.mask), c.expectedPos) << c.nMax << "/" << c.page;
        EXPECT_EQ(device::IsWindowEnabled(bar_), c.enabled) << c.nMax << "/" << c.page;
        SCROLLINFO back{.fMask = SIF_ALL};
        ASSERT_TRUE(GetScrollInfo(bar_, SB_CTL, &back));
        EXPECT_EQ(std::tie(back.nMin, back.nMax, back.nPage, back.nPos), std::tie(c.nMin, c.nMax, c.page, c.expectedPos));
    }
    Take();
    Set(0, 91, 158, 0, SIF_ALL | SIF_DISABLENOSCROLL);
    Tap(kBarX + 6, Screen(kBarH - 3));  // a disabled bar says nothing
    EXPECT_EQ(Take(), Events{});
}

TEST(ScrollArithmetic, LastPositionAndNeed) {
    struct { int nMin, nMax; uint32_t page; int32_t last; bool needed; } cases[] = {
        {0, 261, 158, 104, true}, {0, 91, 158, 0, false}, {0, 100, 0, 100, true},
        {0, 100, 101, 0, false},  {0, 100, 100, 1, true}, {5, 5, 0, 5, false},
        {0, 2147483647, 1, 2147483647, true},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(MaxScrollPos(c.nMin, c.nMax, c.page), c.last) << c.nMax << "/" << c.page;
        EXPECT_EQ(ScrollNeeded(c.nMin, c.nMax, c.page), c.needed) << c.nMax << "/" << c.page;
    }
}

}  // namespace
}  // namespace lists_test
