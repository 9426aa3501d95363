#include "lists_fixture.h"

#include "platform/device/input.h"

namespace lists_test {
namespace {

// A window that asks for the gesture on every stylus down, as the grid does.
class Asker final : public GestureWindow {
public:
    device::LRESULT WindowProc(uint32_t msg, device::WPARAM wParam, device::LPARAM lParam) override {
        if (msg == device::WM_LBUTTONDOWN && arm) {
            ++downs;
            const SHRGINFO info{kSHRGINFOSize, this, {device::GET_X_LPARAM(lParam), device::GET_Y_LPARAM(lParam)},
                                flags};
            results.push_back(SHRecognizeGesture(&info));
        }
        return device::DefWindowProc(this, msg, wParam, lParam);
    }
    uint32_t flags = SHRG_NOTIFYPARENT;
    bool arm = true;
    int downs = 0;
    std::vector<uint32_t> results;
};

class TapAndHoldTest : public ListsTest {
protected:
    void SetUp() override {
        ListsTest::SetUp();
        auto object = std::make_unique<Asker>();
        asker_ = object.get();
        window_ = device::CreateWindowFor(std::move(object), u"Asker", 0, u"", device::WS_CHILD | device::WS_VISIBLE,
                                          0, 100, 240, 100, hostWindow_, 1004);
        ASSERT_TRUE(window_);
    }
    Asker* asker_ = nullptr;
    HWND window_ = nullptr;
};

TEST_F(TapAndHoldTest, OnlyAStillHeldStylusGivesTheGesture) {
    // The window spans screen y 126..225.
    struct { const char* what; std::function<void()> act; uint32_t flags; Events expected; } cases[] = {
        {"short tap", [&] { dev().tap(40, 150); }, SHRG_NOTIFYPARENT, {}},
        {"lifted just before the hold time", [&] { dev().stylusDown(40, 150); dev().advance(490); dev().stylusUp(40, 150); },
         SHRG_NOTIFYPARENT, {}},
        {"hold", [&] { dev().hold(40, 150); }, SHRG_NOTIFYPARENT, {"CONTEXTMENU id=1004 at=40,150"}},
        {"hold with a little wobble", [&] { dev().stylusDown(60, 170); dev().stylusMove(61, 171); dev().advance(500);
                                            dev().stylusUp(61, 171); },
         SHRG_NOTIFYPARENT, {"CONTEXTMENU id=1004 at=60,170"}},
        {"moved away while held", [&] { dev().stylusDown(40, 150); dev().stylusMove(90, 150); dev().advance(600);
                                        dev().stylusUp(90, 150); },
         SHRG_NOTIFYPARENT, {}},
        {"right click", [&] { device::input::StylusAlternate({100, 200}); }, SHRG_NOTIFYPARENT,
         {"CONTEXTMENU id=1004 at=100,200"}},
        {"hold, the caller wants no notification", [&] { dev().hold(40, 150); }, SHRG_RETURNCMD, {}},
    };
    for (const auto& c : cases) {
        asker_->flags = c.flags;
        c.act();
        dev().advance(1000);
        EXPECT_EQ(Take(), c.expected) << c.what;
        EXPECT_FALSE(GestureFeedbackShown()) << c.what;
    }
    // Every arm returned 0 at once: the outcome comes with the hold.
    for (uint32_t result : asker_->results) EXPECT_EQ(result, 0u);
}

TEST_F(TapAndHoldTest, AnEarlierPressDoesNotBecomeTheGestureOfALaterOne) {
    dev().tap(40, 150);          // arms, lifts at once
    asker_->arm = false;         // the next press does not ask
    dev().hold(100, 180);
    dev().advance(1000);
    EXPECT_EQ(Take(), Events{});
}

TEST(FeedbackRing, DotsFillOverTheHoldAndCircleTheCentre) {
    struct { uint64_t elapsed, hold; int dots; } counts[] = {
        {0, 500, 0}, {62, 500, 0}, {63, 500, 1}, {250, 500, 4}, {499, 500, 7}, {500, 500, 8}, {9000, 500, 8},
        {10, 0, 8}};
    for (const auto& c : counts) EXPECT_EQ(FeedbackDotCount(c.elapsed, c.hold), c.dots) << c.elapsed;
    struct { int k; gdi::POINT at; } places[] = {
        {0, {50, 38}}, {2, {62, 50}}, {4, {50, 62}}, {6, {38, 50}}, {8, {50, 38}}};
    for (const auto& p : places) {
        const gdi::POINT at = FeedbackDotPosition({50, 50}, p.k);
        EXPECT_EQ(at.x, p.at.x) << p.k;
        EXPECT_EQ(at.y, p.at.y) << p.k;
    }
}

}  // namespace
}  // namespace lists_test
