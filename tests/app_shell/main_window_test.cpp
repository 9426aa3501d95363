// The main window started on a headless device with a registry in a
// temporary folder: its children, bars and menus, and its end.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "app/main_window.h"
#include "app/program_entry.h"
#include "app/resource_ids.h"
#include "app/shell/shell_state.h"
#include "image/view_state.h"
#include "platform/controls/list_view.h"
#include "platform/controls/menu.h"
#include "platform/device/activation.h"
#include "platform/device/device.h"
#include "platform/device/hot_keys.h"
#include "platform/device/message_loop.h"
#include "platform/files/device_paths.h"
#include "platform/registry/registry.h"
#include "settings/settings.h"

namespace ezo {
namespace {

namespace fs = std::filesystem;
using device::HWND;

char theModule;  // stands for the program module

class MainWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        folder_ = fs::temp_directory_path() / ("ezo_shell_" + std::to_string(::getpid()));
        fs::remove_all(folder_);
        fs::create_directories(folder_);
        registry::SetRegistryFile((folder_ / "registry.reg").string());
        // An empty device root: the tree lists no pictures, so the notice shows.
        fs::create_directories(folder_ / "device");
        files::SetDeviceRoot((folder_ / "device").string());
        device_ = device::Device::start({.scale = 1, .headless = true, .virtualClock = true});
        ASSERT_TRUE(device_);
        viewState = ViewState{};
        settings = Settings{};
        shell = Shell{};
        shell.instance = &theModule;
        RegisterProgramClasses();
        window_ = CreateMainWindow(device::SW_SHOW);
        ASSERT_TRUE(window_);
    }
    void TearDown() override {
        device_.reset();
        registry::SetRegistryFile("");
        files::SetDeviceRoot("");
        fs::remove_all(folder_);
    }
    HWND Child(int id) { return device::GetDlgItem(window_, id); }
    std::string RegistryText() {
        std::ifstream in(folder_ / "registry.reg");
        std::stringstream text;
        text << in.rdbuf();
        return text.str();
    }

    fs::path folder_;
    std::unique_ptr<device::Device> device_;
    HWND window_ = nullptr;
};

TEST_F(MainWindowTest, ChildrenStartWhereTheLayoutPutsThem) {
    struct Case {
        int id;
        const char16_t* className;
        bool visible;
        gdi::RECT rect;
    } cases[] = {
        {kIdTree, u"SysTreeView32", true, {0, 0, 240, 78}},
        // The device root of this test holds no pictures: the notice shows.
        {kIdFileList, u"SysListView32", false, {0, 86, 240, 243}},
        {kIdThumbGrid, u"Thumb", false, {0, 86, 240, 243}},
        {kIdNoImages, u"NoImages", true, {0, 86, 240, 243}},
        {kIdLeaveFullScreen, u"button", false, {0, 27, 12, 39}},
        {kIdOverlayZoomIn, u"button", false, {228, 27, 240, 39}},
        {kIdOverlayZoomOut, u"button", false, {228, 41, 240, 53}},
        {kIdOverlayFit, u"button", false, {228, 55, 240, 67}},
        {kIdSplitTreeHidden, u"button", true, {8, 78, 15, 85}},
        {kIdSplitMiddle, u"button", false, {32, 78, 39, 85}},
        {kIdSplitFilesHidden, u"button", true, {32, 78, 39, 85}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.id);
        HWND child = Child(c.id);
        ASSERT_TRUE(child);
        EXPECT_EQ(child->data().className, c.className);
        EXPECT_EQ(device::IsWindowVisible(child), c.visible);
        EXPECT_EQ(child->data().rect, c.rect);
    }
    EXPECT_EQ(shell.splitButtonBits, 3);
    EXPECT_EQ(shell.listAreaHeight, 158);
    EXPECT_EQ(shell.separatorRect, (gdi::RECT{0, 77, 240, 86}));
    EXPECT_EQ(device::SendMessage(shell.fileList, controls::LVM_GETEXTENDEDLISTVIEWSTYLE, 0, 0) &
                  controls::LVS_EX_FULLROWSELECT,
              controls::LVS_EX_FULLROWSELECT);
}

TEST_F(MainWindowTest, OnlyTheReportBarShowsAndEveryToolMenuHasTitleBarChecked) {
    for (int i = 0; i < kMenuBarCount; ++i) {
        SCOPED_TRACE(kMenuBarsInCreationOrder[i]);
        ASSERT_TRUE(shell.menuBars[size_t(i)]);
        EXPECT_EQ(device::IsWindowVisible(shell.menuBars[size_t(i)]), i == 0);
    }
    for (controls::HMENU menu : shell.toolMenus) {
        ASSERT_TRUE(menu);
        EXPECT_TRUE(controls::GetMenuState(menu, IDM_TITLE_BAR, controls::MF_BYCOMMAND) & controls::MF_CHECKED);
        EXPECT_FALSE(controls::GetMenuState(menu, IDM_LANDSCAPE, controls::MF_BYCOMMAND) & controls::MF_CHECKED);
    }
    shell.BrowseView = List;
    ShowBrowseBar();
    EXPECT_TRUE(device::IsWindowVisible(MenuBar(IDR_BAR_LIST)));
    shell.viewBarBits = 3;
    ShowViewBar();
    EXPECT_TRUE(device::IsWindowVisible(MenuBar(IDR_BAR_VIEW_FIT_SLIDE)));
}

TEST_F(MainWindowTest, HotKeysBelongToTheWindowUntilItGoes) {
    for (uint32_t vk = 0xC1; vk <= 0xC5; ++vk) {
        auto key = device::FindHotKey(vk);
        ASSERT_TRUE(key);
        EXPECT_EQ(key->window, window_);
        EXPECT_EQ(uint32_t(key->id), vk);
    }
    device::DestroyWindow(window_);
    EXPECT_TRUE(device::RegisteredHotKeys().empty());
}

TEST_F(MainWindowTest, SizingMovesTheChildrenAndKeepsThemScreenWide) {
    device::MoveWindow(window_, 0, 26, 240, 294, true);
    EXPECT_EQ(Child(kIdTree)->data().rect, (gdi::RECT{0, 0, 240, 86}));
    EXPECT_EQ(Child(kIdFileList)->data().rect, (gdi::RECT{0, 94, 240, 269}));
    EXPECT_EQ(shell.listAreaHeight, 176);
    device::MoveWindow(window_, 0, 26, 200, 268, true);
    EXPECT_EQ(Child(kIdFileList)->data().rect, (gdi::RECT{0, 86, 240, 243}));
}

// However the program ends, and in whatever mode, the settings reach the file.
TEST_F(MainWindowTest, EveryWayOutSavesTheSettingsAndQuits) {
    enum class Way { ExitCommand, CtrlQ, Close };
    struct Case {
        const char* name;
        Way way;
        int fullScreen;
        int slideShow;
    } cases[] = {
        {"exit", Way::ExitCommand, 0, 0},
        {"exit in full screen during a slide show", Way::ExitCommand, 1, 1},
        {"ctrl+q", Way::CtrlQ, 0, 0},
        {"close in full screen", Way::Close, 1, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        if (!window_) {
            TearDown();
            SetUp();
        }
        viewState.fullScreen = c.fullScreen;
        shell.slideShowRunning = c.slideShow;
        settings.slideSeconds = 7;
        switch (c.way) {
        case Way::ExitCommand: device_->command(IDM_EXIT); break;
        case Way::CtrlQ: ASSERT_TRUE(device_->keyByName("Ctrl+Q")); break;
        case Way::Close: device::SendMessage(window_, device::WM_CLOSE, 0, 0); break;
        }
        device_->processPending();
        EXPECT_FALSE(device::IsWindow(window_));
        EXPECT_EQ(device_->quitCode(), 0);
        EXPECT_NE(RegistryText().find("\"Slide\"=dword:00000007"), std::string::npos) << RegistryText();
        EXPECT_EQ(shell.mainWindow, nullptr);
        window_ = nullptr;
    }
}

TEST_F(MainWindowTest, LeavingTheWindowLeavesFullScreen) {
    viewState.fullScreen = 1;
    viewState.titleBarHidden = 1;
    device::ShowWindow(Child(kIdOverlayZoomIn), device::SW_SHOW);
    device::SendMessage(window_, device::WM_ACTIVATE, device::WA_INACTIVE, 0);
    EXPECT_EQ(viewState.fullScreen, 0);
    EXPECT_EQ(viewState.titleBarHidden, 0);
    EXPECT_FALSE(device::IsWindowVisible(Child(kIdOverlayZoomIn)));
    EXPECT_TRUE(device_->taskBarShown());
}

TEST_F(MainWindowTest, ASecondEntryBringsTheFirstWindowForwardAndEnds) {
    HWND other = device::CreateWindowFor(std::make_unique<device::Window>(), u"Other", 0, u"Other",
                                         device::WS_VISIBLE, 0, 26, 240, 268, nullptr, 0);
    ASSERT_TRUE(other);
    device::SetForegroundWindow(other);
    ASSERT_EQ(device::GetForegroundWindow(), other);
    EXPECT_EQ(EzoMain(reinterpret_cast<HINSTANCE>(&theModule), u"", device::SW_SHOW), 0);
    EXPECT_EQ(device::GetForegroundWindow(), window_);
    int mainWindows = 0;
    for (HWND top : device::TopLevelWindows()) mainWindows += top->data().className == u"Ezo";
    EXPECT_EQ(mainWindows, 1);
}

TEST_F(MainWindowTest, DumpCarriesTheShellState) {
    device_->addDumpSource(DumpShellState);
    const std::string dump = device_->dumpState();
    for (const char* line : {"browseMode: 1\n", "BrowseView: 0\n", "splitButtonBits: 3\n", "listAreaHeight: 158\n",
                             "title: Ezo\n", "zoom: 1.000\n", "fullScreen: 0\n", "slideShowRunning: 0\n"})
        EXPECT_NE(dump.find(line), std::string::npos) << line;
}

}  // namespace
}  // namespace ezo
