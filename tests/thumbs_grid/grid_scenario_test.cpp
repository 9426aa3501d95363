// The grid driven as a user would, through the headless driver's commands:
// switch to thumbnails, tap, hold for Delete, double tap into the picture
// and back; a failed open and a start on a picture come back to a sound
// grid; settle and the dump.
#include <chrono>
#include <filesystem>
#include <fstream>

#include "app/start_option.h"
#include "app/main_window.h"
#include "platform/controls/list_view.h"
#include "grid_fixture.h"
#include "platform/headless/device_target.h"
#include "platform/headless/script_runner.h"
#include "shell/thumbnail_thread.h"
#include "support/when_modal.h"

namespace grid_test {
namespace {

class GridScenarioTest : public GridTest {
protected:
    void SetUp() override {
        GridTest::SetUp();
        dev().addDumpSource(ezo::DumpShellState);
        for (const char* name : {"a.jpg", "b.jpg", "c.jpg", "d.jpg"})
            pictures_->Write(name, jpeg_test::Samples(64, 48, JCS_RGB, {200, 40, 40}));
        WriteFile("e.jpg");  // not a picture: it does not open
    }
    // Runs script lines; false with the message when one fails.
    ::testing::AssertionResult Run(const std::string& text) {
        const headless::ParsedScript script = headless::ParseScript(text);
        if (script.error) return ::testing::AssertionFailure() << script.error->message;
        headless::DeviceTarget target(dev());
        headless::ScriptRunner runner(target, output_.path());
        runner.Run(script.commands);
        if (runner.error()) return ::testing::AssertionFailure() << runner.error()->message;
        return ::testing::AssertionSuccess();
    }
    // The script line that taps (or double taps) cell index of the grid.
    std::string At(const char* verb, int index) const {
        const gdi::POINT p = OnScreen(40 + 74 * ((index - 1) % 3), 40 + 85 * ((index - 1) / 3) - State().scrollY);
        return std::string(verb) + " " + std::to_string(p.x) + " " + std::to_string(p.y) + "\n";
    }
    bool Browsing() const {
        const ezo::Shell& shell = program().shell;
        return shell.browseMode && device::IsWindowVisible(Grid()) && device::IsWindowVisible(shell.tree) &&
               !program().viewState.imageLoaded;
    }
    testing_support::TempFolder output_;
};

TEST_F(GridScenarioTest, OpenAPictureFromTheGridAndComeBack) {
    Start();
    ASSERT_TRUE(Run("command 40082\nsettle 0\n"));  // the list view started no pass
    const std::u16string name = Entry(2)->name;
    ASSERT_TRUE(Run(At("dbltap", 2)));
    EXPECT_EQ(program().shell.browseMode, 0);
    EXPECT_EQ(device::GetWindowText(window_), u"Ezo - " + name.substr(0, 1));
    EXPECT_EQ(ezo::ThumbnailGeneratorRunning(), 0);
    EXPECT_EQ(program().shell.thumbRestartPending, 1);
    ASSERT_TRUE(Run("command 40088\n"));
    EXPECT_TRUE(Browsing());
    EXPECT_EQ(program().shell.BrowseView, ezo::Thumbnails);
    EXPECT_EQ(program().shell.thumbRestartPending, 0);
    // e.jpg does not open: the grid is back, with the pass going again.
    int broken = 1;
    while (Entry(broken)->name != u"e.jpg") ++broken;
    ASSERT_TRUE(Run(At("dbltap", broken)));
    EXPECT_TRUE(Browsing());
    EXPECT_EQ(program().shell.thumbRestartPending, 0);
    EXPECT_EQ(ezo::ThumbnailGeneratorRunning(), 1);
}

// Delete acts on the highlighted cell, not on a row the hidden list had
// selected before the switch.
TEST_F(GridScenarioTest, HoldOffersDeleteForTheHighlightedCell) {
    Start();
    controls::LVITEMW state;
    state.stateMask = state.state = controls::LVIS_SELECTED | controls::LVIS_FOCUSED;
    device::SendMessage(program().shell.fileList, controls::LVM_SETITEMSTATE, 0,
                        reinterpret_cast<device::LPARAM>(&state));
    ASSERT_TRUE(Run("command 40082\n"));
    bool menuShown = false;
    test_support::WhenModal([&](HWND menu) { menuShown = menu != nullptr; });
    ASSERT_TRUE(Run(At("hold", 3)));
    EXPECT_TRUE(menuShown);
    const std::string held = QString::fromStdU16String(Entry(3)->name).toStdString();
    const std::string listed = QString::fromStdU16String(Entry(1)->name).toStdString();
    test_support::WhenModal([this](HWND) { dev().key(Qt::Key_Return); });
    ASSERT_TRUE(Run("command 40081\n"));
    EXPECT_FALSE(std::filesystem::exists(HostPath(held)));
    EXPECT_TRUE(std::filesystem::exists(HostPath(listed)));
    EXPECT_EQ(program().fileList.count, 4);
    EXPECT_EQ(program().shell.rowCount, 4);
    EXPECT_EQ(State().selectionActive, 0);
    EXPECT_TRUE(Browsing());
}

// A start on a picture lists its folder behind it; the pass waits for the
// way back, which shows the grid of that folder.
TEST_F(GridScenarioTest, TheWayBackFromAStartPictureShowsItsGrid) {
    Start();
    device::ShowWindow(program().shell.fileList, device::SW_HIDE);  // as while the window is made
    ASSERT_EQ(ezo::OpenStartPicture(window_, u"\\b.jpg"), 1);
    dev().processPending();
    EXPECT_EQ(program().viewState.imageLoaded, 1);
    EXPECT_EQ(ezo::ThumbnailGeneratorRunning(), 0);
    EXPECT_EQ(program().shell.thumbRestartPending, 1);
    ASSERT_TRUE(Run("command 40088\n"));
    EXPECT_TRUE(Browsing());
    EXPECT_EQ(program().shell.rowCount, 5);
    EXPECT_EQ(ezo::ThumbnailGeneratorRunning(), 1);
    EXPECT_EQ(Pixel(10, 10), kFrameGrey);
}

TEST_F(GridScenarioTest, SettleAndDump) {
    Start();
    ASSERT_TRUE(Run("command 40082\n" + At("tap", 2) + "dump grid.txt\n"));
    std::ifstream in(std::filesystem::path(output_.path()) / "grid.txt");
    const std::string dump((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    for (const char* line : {"\nscrollY: 0\n", "\nmaxScroll: 19\n", "\ncursorIndex: 2\n", "\nselectedIndex: 2\n",
                             "\nselectionActive: 1\n", "\nthumbPassRunning: ", "\nthumbRestartPending: 0\n",
                             "\nhighestNumber: 0\n", "| a.jpg | none\n", "\nentry: 5 | "})
        EXPECT_NE(dump.find(line), std::string::npos) << line;
    // A pass that does not end within the bound stops the script.
    dev().setSettledCheck([] { return false; });
    const auto started = std::chrono::steady_clock::now();
    const auto result = Run("settle 30\n");
    EXPECT_FALSE(result);
    EXPECT_GE(std::chrono::steady_clock::now() - started, std::chrono::milliseconds(30));
    dev().setSettledCheck({});
}

}  // namespace
}  // namespace grid_test
