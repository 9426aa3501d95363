#include "menus_fixture.h"
#include "platform/device/message_loop.h"
#include "platform/device/timers.h"
#include "platform/device/activation.h"

namespace menus_test {
namespace {

// The Tool pop-up of the view bars, as a template would give it.
MenuPtr ToolMenu() { return MenuFromTemplate(ToolItems()); }

TEST(MenuData, CheckAndEnableReturnThePreviousStateAndReachSubMenus) {
    MenuPtr menu = ToolMenu();
    // expected: the previous state; stateBit: the bit GetMenuState shows afterwards (0: cleared).
    struct Case {
        const char* what; uint32_t (*call)(HMENU, uint32_t, uint32_t); uint32_t item, flags, expected, stateBit;
    };
    const Case cases[] = {
        {"uncheck TitleBar", CheckMenuItem, 40070, MF_BYCOMMAND | MF_UNCHECKED, MF_CHECKED, 0},
        {"uncheck it again", CheckMenuItem, 40070, MF_BYCOMMAND | MF_UNCHECKED, MF_UNCHECKED, 0},
        {"check LandScape", CheckMenuItem, 40065, MF_BYCOMMAND | MF_CHECKED, MF_UNCHECKED, MF_CHECKED},
        {"check Left inside Rotate", CheckMenuItem, 40074, MF_CHECKED, MF_UNCHECKED, MF_CHECKED},
        {"check by position 0 (Refresh)", CheckMenuItem, 0, MF_BYPOSITION | MF_CHECKED, MF_UNCHECKED, MF_CHECKED},
        {"gray Full Screen", EnableMenuItem, 40041, MF_BYCOMMAND | MF_GRAYED, MF_ENABLED, MF_GRAYED},
        {"gray VERTICAL inside Flip", EnableMenuItem, 40072, MF_GRAYED, MF_ENABLED, MF_GRAYED},
        {"no such command", CheckMenuItem, 12345, MF_CHECKED, kNoMenuItem, 0},
        {"position past the end", EnableMenuItem, 9, MF_BYPOSITION | MF_GRAYED, kNoMenuItem, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(c.call(menu.get(), c.item, c.flags), c.expected);
        if (c.expected == kNoMenuItem) continue;
        const uint32_t by = c.flags & MF_BYPOSITION;
        EXPECT_EQ(GetMenuState(menu.get(), c.item, by) & (MF_CHECKED | MF_GRAYED), c.stateBit);
    }
    EXPECT_EQ(CheckMenuItem(nullptr, 40070, MF_CHECKED), kNoMenuItem);
}

TEST(MenuData, UnknownMenusAndSecondDestructionsAreRefused) {
    DefineMenu(149, {{MenuPopup(u"Tool", {MenuPopup(u"Rotate", {MenuString(u"Right", 40073)})})}});
    MenuPtr bar = LoadMenu(nullptr, 149);
    ASSERT_TRUE(bar);
    EXPECT_EQ(GetMenuItemID(GetSubMenu(GetSubMenu(bar.get(), 0), 0), 0), 40073u);
    EXPECT_EQ(GetSubMenu(bar.get(), 1), nullptr);
    EXPECT_FALSE(LoadMenu(nullptr, 4));
    EXPECT_TRUE(DestroyMenu(bar));
    EXPECT_FALSE(bar);
    EXPECT_FALSE(DestroyMenu(bar));
    ClearResources();
}

TEST(MenuPlacement, PopupsAndSubMenusStayOnTheScreen) {
    const gdi::RECT screen{0, 26, 240, 320};
    const struct { const char* what; gdi::POINT at; uint32_t flags; gdi::RECT expected; } cases[] = {
        {"left top", {50, 100}, TPM_LEFTALIGN, {50, 100, 150, 160}},
        {"bottom aligned above a bar", {10, 294}, TPM_BOTTOMALIGN, {10, 234, 110, 294}},
        {"right aligned", {200, 100}, TPM_RIGHTALIGN, {100, 100, 200, 160}},
        {"centred both ways", {120, 150}, TPM_CENTERALIGN | TPM_VCENTERALIGN, {70, 120, 170, 180}},
        {"pushed back from the right edge", {200, 100}, TPM_LEFTALIGN, {140, 100, 240, 160}},
        {"pushed up from the bottom", {20, 300}, TPM_LEFTALIGN, {20, 260, 120, 320}},
        {"kept below the task bar", {20, 40}, TPM_BOTTOMALIGN, {20, 26, 120, 86}},
        {"pushed in from the left", {-30, 100}, TPM_LEFTALIGN, {0, 100, 100, 160}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(PlacePopup(c.at, 100, 60, c.flags, screen), c.expected);
    }
    // A menu larger than the screen is cut to it.
    EXPECT_EQ(PlacePopup({0, 0}, 300, 400, 0, screen), (gdi::RECT{0, 26, 240, 320}));
    // Sub-menus open beside their item: right, else left of the parent, pushed up near the bottom.
    const struct { gdi::RECT parent; gdi::RECT item; gdi::RECT expected; } subCases[] = {
        {{10, 150, 90, 290}, {11, 200, 89, 216}, {90, 200, 170, 240}},
        {{100, 150, 200, 290}, {101, 200, 199, 216}, {20, 200, 100, 240}},
        {{10, 150, 90, 310}, {11, 300, 89, 316}, {90, 280, 170, 320}},
    };
    for (const auto& c : subCases) EXPECT_EQ(PlaceSubMenu(c.parent, c.item, 80, 40, screen), c.expected);
}

class TrackTest : public MenusTest {
protected:
    void SetUp() override {
        MenusTest::SetUp();
        tool_ = ToolMenu();
        names_ = {{tool_.get(), "Tool"}, {GetSubMenu(tool_.get(), 3), "Rotate"},
                         {GetSubMenu(tool_.get(), 4), "Flip"}};
    }
    int32_t Track(uint32_t flags = 0) {
        return TrackPopupMenu(tool_.get(), flags, 20, 80, 0, hostWindow_, nullptr);
    }
    MenuPtr tool_;
};

TEST_F(TrackTest, TapsChooseCommandsAfterTheOpeningIsAnnounced) {
    EnableMenuItem(tool_.get(), 40065, MF_GRAYED);
    // taps: level and item text (level -1: outside); events: after the pending messages are handled.
    struct Case {
        const char* what; std::vector<std::pair<int, std::u16string>> taps; uint32_t flags; int32_t result; Events events;
    };
    const Case cases[] = {
        {"a tap on Refresh", {{0, u"Refresh"}}, 0, 1, {"INITMENUPOPUP Tool", "COMMAND 40095"}},
        {"returned, not posted", {{0, u"TitleBar"}}, TPM_RETURNCMD, 40070, {"INITMENUPOPUP Tool"}},
        {"through the Rotate pop-up", {{0, u"Rotate"}, {1, u"Left"}}, 0, 1,
         {"INITMENUPOPUP Tool", "INITMENUPOPUP Rotate", "COMMAND 40074"}},
        {"from Rotate over to Flip", {{0, u"Rotate"}, {0, u"Flip"}, {1, u"VERTICAL"}}, TPM_RETURNCMD, 40072,
         {"INITMENUPOPUP Tool", "INITMENUPOPUP Rotate", "INITMENUPOPUP Flip"}},
        {"a tap outside", {{-1, u""}}, 0, 0, {"INITMENUPOPUP Tool"}},
        {"a tap outside with a pop-up open", {{0, u"Flip"}, {-1, u""}}, TPM_RETURNCMD, 0,
         {"INITMENUPOPUP Tool", "INITMENUPOPUP Flip"}},
        {"a tap on a separator keeps the menu; then Refresh", {{0, u"sep"}, {0, u"Refresh"}}, TPM_RETURNCMD, 40095,
         {"INITMENUPOPUP Tool"}},
        {"a grayed item cannot be chosen", {{0, u"LandScape"}, {0, u"Refresh"}}, TPM_RETURNCMD, 40095,
         {"INITMENUPOPUP Tool"}},
        {"no notification asked", {{0, u"Refresh"}}, TPM_NONOTIFY | TPM_RETURNCMD, 40095, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        std::vector<std::function<void()>> steps;
        for (const auto& [level, text] : c.taps) {
            steps.push_back([this, level = level, text = text] {
                if (level < 0) return TapAt(dev(), {200, 300});
                if (text == u"sep") {
                    const gdi::POINT a = ItemPoint(0, u"Full Screen"), b = ItemPoint(0, u"Rotate");
                    return TapAt(dev(), {a.x, (a.y + b.y) / 2});
                }
                const gdi::POINT p = ItemPoint(level, text);
                ASSERT_GE(p.x, 0) << "no item shows this text";
                TapAt(dev(), p);
            });
        }
        // Should the menu stay up by mistake, end it rather than hang.
        steps.push_back([] { if (HWND w = TrackedMenuWindow()) device::EndModalLoop(w, 0); });
        Later(steps);
        EXPECT_EQ(Track(c.flags), c.result);
        dev().processPending();
        EXPECT_EQ(Take(), c.events);
        EXPECT_EQ(TrackedMenuWindow(), nullptr);
    }
}

TEST_F(TrackTest, TimersKeepFiringWhileTheMenuIsOpenAndTheOwnerCanStopThemOnOpening) {
    int& ticks = ticks_;
    device::SetTimer(hostWindow_, 7, 100, nullptr);
    onInitMenu_ = [&] { if (ticks > 0) device::KillTimer(hostWindow_, 7); };
    Later({[&] { dev().advance(350); },
           [&] { EXPECT_EQ(ticks, 3); TapAt(dev(), {200, 300}); }});
    EXPECT_EQ(Track(), 0);
    // The second opening finds ticks and stops the timer.
    Later({[&] { TapAt(dev(), {200, 300}); }});
    Track();
    dev().advance(1000);
    EXPECT_EQ(ticks, 3);
}

TEST_F(TrackTest, TheLiftThatEndsATapAndHoldChoosesNothing) {
    // As the shell does on the gesture: the Delete / File Info menu at the point.
    MenuPtr context = CreatePopupMenu();
    AppendMenu(context.get(), MF_STRING, 40081, u"Delete");
    AppendMenu(context.get(), MF_STRING, 40076, u"File Info");
    names_ = {{context.get(), "Context"}};
    int32_t result = -1;
    std::u16string openAfterLift;
    host_->onHeld = [&](int32_t x, int32_t y) {
        // The stylus is still down when the menu opens; it slides onto an item
        // and is lifted inside the menu's loop.
        Later({[&] {
                   const gdi::POINT p = ItemPoint(0, u"Delete");
                   dev().stylusMove(p.x, p.y);
                   dev().stylusUp(p.x, p.y);
               },
               [&] {
                   openAfterLift = ItemPoint(0, u"Delete").x >= 0 ? u"open" : u"closed";
                   TapAt(dev(), ItemPoint(0, u"File Info"));
               },
               [&] { if (HWND w = TrackedMenuWindow()) device::EndModalLoop(w, 0); }});
        const gdi::POINT at = device::ClientToScreen(hostWindow_, {x, y});
        result = TrackPopupMenu(context.get(), TPM_RETURNCMD, at.x, at.y, 0, hostWindow_, nullptr);
    };
    dev().stylusDown(60, 100);
    dev().advance(600);
    EXPECT_EQ(openAfterLift, u"open");
    EXPECT_EQ(result, 40076);
    EXPECT_EQ(Take(), (Events{"INITMENUPOPUP Context"}));
}

TEST_F(TrackTest, NothingToTrackOrNoOwnerGivesZeroWithoutAWindow) {
    MenuPtr empty = CreatePopupMenu();
    EXPECT_EQ(TrackPopupMenu(empty.get(), 0, 0, 0, 0, hostWindow_, nullptr), 0);
    EXPECT_EQ(TrackPopupMenu(nullptr, 0, 0, 0, 0, hostWindow_, nullptr), 0);
    EXPECT_EQ(TrackPopupMenu(tool_.get(), 0, 0, 0, 0, nullptr, nullptr), 0);
    EXPECT_TRUE(Take().empty());
}

TEST_F(TrackTest, AnOwnerGoneOrAMenuEmptiedWhileOpenEndsSafely) {
    // The owner destroyed while the menu shows takes the menu with it.
    Later({[&] { device::DestroyWindow(hostWindow_); }});
    EXPECT_EQ(Track(TPM_RETURNCMD), 0);
    EXPECT_EQ(TrackedMenuWindow(), nullptr);
}

TEST_F(TrackTest, AMenuChangedOnAnOpeningChoosesOnlyWhatIsThere) {
    // Rotate's opening empties the Tool menu behind the items on the screen.
    onInitMenu_ = [&] { if (Take().size() == 2) tool_->items.resize(1); };
    Later({[&] { host_->events = {"first"}; TapAt(dev(), ItemPoint(0, u"Rotate")); },
           [&] { TapAt(dev(), ItemPoint(0, u"TitleBar")); },
           [&] { if (HWND w = TrackedMenuWindow()) device::EndModalLoop(w, 0); }});
    EXPECT_EQ(Track(TPM_RETURNCMD), 0);
}

TEST_F(TrackTest, AnOwnerDestroyedOnOpeningEndsTheMenu) {
    onInitMenu_ = [&] { device::DestroyWindow(hostWindow_); };
    EXPECT_EQ(Track(), 0);
    EXPECT_EQ(TrackedMenuWindow(), nullptr);
}

}  // namespace
}  // namespace menus_test
