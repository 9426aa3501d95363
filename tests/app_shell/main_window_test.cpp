// The main window on a headless device: its children, bars and menus, and its end.
#include "app_modes/modes_fixture.h"
#include "platform/controls/list_view.h"
#include "platform/controls/menu.h"
#include "platform/device/activation.h"
#include "platform/device/hot_keys.h"
#include "platform/device/message_loop.h"

namespace ezo {
namespace {

// The device root of these tests holds no pictures: the notice shows.
using MainWindowTest = modes_test::ModesTest;

// The browse screen: the children shown or hidden (where they sit is the
// layout's test), the report bar alone, Title Bar checked in every Tool menu.
TEST_F(MainWindowTest, StartsOnTheBrowseScreen) {
    const std::pair<int, bool> cases[] = {
        {kIdTree, true},         {kIdFileList, false},        {kIdThumbGrid, false},      {kIdNoImages, true},
        {kIdLeaveFullScreen, false}, {kIdOverlayZoomIn, false}, {kIdOverlayZoomOut, false}, {kIdOverlayFit, false},
        {kIdSplitTreeHidden, true},  {kIdSplitMiddle, false},   {kIdSplitFilesHidden, true},
    };
    for (const auto& [id, visible] : cases) {
        ASSERT_TRUE(Child(id)) << id;
        EXPECT_EQ(Shown(Child(id)), visible) << id;
    }
    const Shell& shell = program().shell;
    EXPECT_EQ(shell.splitButtonBits, 3);
    EXPECT_TRUE(device::SendMessage(shell.fileList, controls::LVM_GETEXTENDEDLISTVIEWSTYLE, 0, 0) &
                controls::LVS_EX_FULLROWSELECT);
    EXPECT_EQ(ShownBar(), IDR_BAR_REPORT);
    EXPECT_TRUE(MenusChecked(IDM_TITLE_BAR));
    for (controls::HMENU menu : shell.toolMenus)
        EXPECT_FALSE(controls::GetMenuState(menu, IDM_LANDSCAPE, controls::MF_BYCOMMAND) & controls::MF_CHECKED);
}

TEST_F(MainWindowTest, SizingMovesTheChildrenAndKeepsThemScreenWide) {
    device::MoveWindow(window_, 0, 26, 240, 294, true);
    EXPECT_EQ(Child(kIdTree)->data().rect, (gdi::RECT{0, 0, 240, 86}));
    EXPECT_EQ(Child(kIdFileList)->data().rect, (gdi::RECT{0, 94, 240, 269}));
    device::MoveWindow(window_, 0, 26, 200, 268, true);
    EXPECT_EQ(Child(kIdFileList)->data().rect, (gdi::RECT{0, 86, 240, 243}));
}

// Every way out, in every mode, saves the settings and gives the hardware buttons back.
TEST_F(MainWindowTest, EveryWayOutSavesTheSettingsAndQuits) {
    enum class Way { ExitCommand, CtrlQ, Close, QuitKey };
    struct Case { const char* name; Way way; int fullScreen, slideShow; } cases[] = {
        {"exit", Way::ExitCommand, 0, 0},
        {"exit in full screen during a slide show", Way::ExitCommand, 1, 1},
        {"ctrl+q", Way::CtrlQ, 0, 0},
        {"close in full screen", Way::Close, 1, 0},
        {"Key4 while viewing", Way::QuitKey, 0, 0},  // Quit by default
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TearDown();
        SetUp();
        Program& p = program();
        p.viewState.fullScreen = c.fullScreen;
        p.shell.slideShowRunning = c.slideShow;
        p.settings.slideSeconds = 7;
        switch (c.way) {
        case Way::ExitCommand: device_->command(IDM_EXIT); break;
        case Way::CtrlQ: ASSERT_TRUE(device_->keyByName("Ctrl+Q")); break;
        case Way::Close: device::SendMessage(window_, device::WM_CLOSE, 0, 0); break;
        case Way::QuitKey:
            p.viewState.imageLoaded = 1;
            p.shell.browseMode = 0;
            device_->appKey(4);
            break;
        }
        device_->processPending();
        EXPECT_FALSE(device::IsWindow(window_));
        EXPECT_TRUE(device::RegisteredHotKeys().empty());
        EXPECT_EQ(device_->quitCode(), 0);
        EXPECT_NE(RegistryText().find("\"Slide\"=dword:00000007"), std::string::npos) << RegistryText();
        window_ = nullptr;
    }
}

TEST_F(MainWindowTest, ASecondEntryBringsTheFirstWindowForwardAndEnds) {
    device::HWND other = device::CreateWindowFor(std::make_unique<device::Window>(), u"Other", 0, u"Other",
                                         device::WS_VISIBLE, 0, 26, 240, 268, nullptr, 0);
    ASSERT_TRUE(other);
    device::SetForegroundWindow(other);
    ASSERT_EQ(device::GetForegroundWindow(), other);
    EXPECT_EQ(EzoMain(reinterpret_cast<HINSTANCE>(&test_support::theModule), u"", device::SW_SHOW), 0);
    EXPECT_EQ(device::GetForegroundWindow(), window_);
    int mainWindows = 0;
    for (device::HWND top : device::TopLevelWindows()) mainWindows += top->data().className == u"Ezo";
    EXPECT_EQ(mainWindows, 1);
}

}  // namespace
}  // namespace ezo
