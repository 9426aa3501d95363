// The file list in the real main window: its rows, the sort by column
// click, activation, the tap-and-hold pop-up and the row operations of
// Delete.
#include <utime.h>

#include <QMenu>
#include <QTimer>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <functional>

#include "app/resource_ids.h"
#include "app/shell/shell_state.h"
#include "browse/current_folder.h"
#include "browse/file_list.h"
#include "browse/file_view.h"
#include "browse_fixture.h"
#include "platform/controls/list_view.h"
#include "platform/controls/menu.h"
#include "platform/device/activation.h"
#include "platform/device/message_loop.h"

namespace browse_test {
namespace {

namespace fs = std::filesystem;
using ezo::shell;
using Texts = std::vector<std::u16string>;

bool Visible(HWND window) { return device::IsWindowVisible(window); }

void SetSize(const fs::path& file, uintmax_t size) { fs::resize_file(file, size); }

// Last written 2024-03-05 10:00 UTC.
void SetDate(const fs::path& file) {
    const utimbuf times{1'709'632'800, 1'709'632'800};
    ASSERT_EQ(::utime(file.c_str(), &times), 0);
}

// Runs fn once the pop-up menu is being tracked, then ends the menu if fn
// left it open, so a test never hangs on it.
void WhenMenuShows(std::function<void()> fn) {
    auto poll = std::make_shared<std::function<void()>>();
    *poll = [fn, poll] {
        HWND menu = controls::TrackedMenuWindow();
        if (!menu) return QTimer::singleShot(0, [poll] { (*poll)(); });
        fn();
        if (HWND still = controls::TrackedMenuWindow()) device::EndModalLoop(still, 0);
        *poll = nullptr;  // ends the cycle of the shared function and its copy
    };
    QTimer::singleShot(0, [poll] { (*poll)(); });
}

// The shown pop-up: its item texts, and its top-left corner on the screen.
QMenu* ShownMenu() {
    HWND window = controls::TrackedMenuWindow();
    if (!window || !window->hostedWidget()) return nullptr;
    for (QMenu* menu : window->hostedWidget()->findChildren<QMenu*>())
        if (menu->isVisible()) return menu;
    return nullptr;
}

class FileViewTest : public BrowseViewsTest {
protected:
    // The folder "Pics" with files in the given order of writing, selected.
    void StartIn(const std::vector<std::string>& names) {
        MakeFolder("Pics");
        for (const std::string& n : names) WriteFile("Pics/" + n);
        Start();
        Select(Item(u"\\Pics"));
    }
    void SelectRows(std::initializer_list<int> rows) {
        for (int row : rows) {
            controls::LVITEMW state;
            state.stateMask = state.state = controls::LVIS_SELECTED;
            device::SendMessage(shell.fileList, controls::LVM_SETITEMSTATE, device::WPARAM(row),
                                reinterpret_cast<device::LPARAM>(&state));
        }
    }
};

TEST_F(FileViewTest, RowsShowNameTypeSizeAndDate) {
    testing_support::ScopedTimeZone utc("UTC");
    MakeFolder("Pics");
    struct Case {
        std::string name;
        uintmax_t size;
        Texts row;
    } cases[] = {
        {"x.gif", 500, {u"x.gif", u"GIF", u"1K", u"2024/3/5"}},
        {"Photo.JPG", 37 * 1024 + 5, {u"Photo.JPG", u"JPEG", u"37K", u"2024/3/5"}},
        {"scan.Jpeg", 2'048'000, {u"scan.Jpeg", u"JPEG", u"2M", u"2024/3/5"}},
        {"icon.bmp", 0, {u"icon.bmp", u"BMP", u"1K", u"2024/3/5"}},
        {"Noël à la mer.jpg", 1'024'000, {U16("Noël à la mer.jpg"), u"JPEG", u"1000K", u"2024/3/5"}},
    };
    for (const Case& c : cases) {
        WriteFile("Pics/" + c.name);
        SetSize(HostPath("Pics/" + c.name), c.size);
        SetDate(HostPath("Pics/" + c.name));
    }
    Start();
    Select(Item(u"\\Pics"));
    ASSERT_EQ(shell.rowCount, int(std::size(cases)));
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const Texts names = RowNames();
        const auto at = std::find(names.begin(), names.end(), c.row[0]);
        ASSERT_NE(at, names.end());
        EXPECT_EQ(Row(int(at - names.begin())), c.row);
    }
}

TEST_F(FileViewTest, RowsFollowTheListAndEachColumnClickReversesTheNameOrder) {
    StartIn({"b.bmp", "c.gif", "a.jpg", "big.jpg", "small.jpg"});
    SetSize(HostPath("Pics/big.jpg"), 1'100'000);
    SetSize(HostPath("Pics/small.jpg"), 900 * 1024);
    Select(RootItem());
    Select(Item(u"\\Pics"));
    // Unsorted: the rows are the list's entries in its order.
    Texts listed;
    for (ezo::FileEntry* e = ezo::fileList.head; e; e = e->next) listed.push_back(e->name);
    EXPECT_EQ(RowNames(), listed);

    const Texts ascending = {u"a.jpg", u"b.bmp", u"big.jpg", u"c.gif", u"small.jpg"};
    const Texts descending(ascending.rbegin(), ascending.rend());
    struct Case {
        int column;
        const Texts* order;
    } cases[] = {{0, &descending}, {2, &ascending}, {3, &descending}, {1, &ascending}, {2, &descending}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.column);
        ClickColumn(c.column);
        EXPECT_EQ(RowNames(), *c.order);
        EXPECT_EQ(shell.rowCount, 5);
        int index = 1;
        for (ezo::FileEntry* e = ezo::fileList.head; e; e = e->next) EXPECT_EQ(e->index, index++);
    }
    // The direction carries over to the next folder: its first click sorts up.
    MakeFolder("More");
    WriteFile("More/z.jpg");
    WriteFile("More/y.gif");
    Select(RootItem());
    Select(Item(u"\\More"));
    ClickColumn(0);
    EXPECT_EQ(RowNames(), (Texts{u"y.gif", u"z.jpg"}));
}

TEST_F(FileViewTest, ActivationThatCannotOpenShowsTheBrowseScreenAgain) {
    StartIn({"a.jpg", "b.gif"});
    // A real tap on a row: the viewer refuses (nothing here can open it).
    const gdi::POINT p = RowPoint(0);
    dev().tap(p.x, p.y);
    dev().processPending();
    EXPECT_TRUE(Visible(shell.fileList));
    EXPECT_TRUE(Visible(shell.tree));
    EXPECT_FALSE(Visible(shell.noImages));
    EXPECT_TRUE(Visible(device::GetDlgItem(window_, ezo::kIdSplitTreeHidden)));
    EXPECT_EQ(shell.thumbViewActive, 0);
    EXPECT_EQ(shell.browseMode, 1);

    // With the grid as the browse window the grid is what comes back.
    device::ShowWindow(shell.fileList, device::SW_HIDE);
    device::ShowWindow(shell.thumbGrid, device::SW_SHOW);
    ezo::OnFileActivated(window_, 1);
    EXPECT_EQ(shell.thumbViewActive, 1);
    EXPECT_TRUE(Visible(shell.thumbGrid));
    EXPECT_FALSE(Visible(shell.fileList));

    // No such row: nothing happens at all.
    device::ShowWindow(shell.tree, device::SW_SHOW);
    for (int row : {-1, 2, 99}) {
        ezo::OnFileActivated(window_, row);
        EXPECT_TRUE(Visible(shell.thumbGrid));
        EXPECT_TRUE(Visible(shell.tree));
    }
}

TEST_F(FileViewTest, TapAndHoldOnARowOffersDeleteAndFileInfoAtThePoint) {
    StartIn({"a.jpg"});
    const gdi::POINT p = RowPoint(0);
    Texts items;
    QPoint corner;
    WhenMenuShows([&] {
        QMenu* menu = ShownMenu();
        ASSERT_TRUE(menu);
        for (QAction* a : menu->actions()) items.push_back(a->text().toStdU16String());
        corner = menu->mapTo(menu->parentWidget(), QPoint(0, 0));
    });
    dev().hold(p.x, p.y);
    dev().processPending();
    EXPECT_EQ(items, (Texts{u"Delete", u"File Info"}));
    EXPECT_LE(std::abs(corner.x() - p.x), 3);
    EXPECT_LE(std::abs(corner.y() - p.y), 3);
    EXPECT_EQ(controls::TrackedMenuWindow(), nullptr);
    // The hold selected the row without opening it.
    EXPECT_TRUE(Visible(shell.fileList));
    std::u16string path;
    EXPECT_EQ(ezo::SelectedFilePath(path), 1);
    EXPECT_EQ(path, u"\\Pics\\a.jpg");
}

TEST_F(FileViewTest, DeleteRemovesEachSelectedRowThroughTheMark) {
    StartIn({"a.jpg", "b.jpg", "c.jpg", "d.jpg", "e.jpg"});
    ClickColumn(0);
    ClickColumn(0);  // a.jpg .. e.jpg
    ASSERT_EQ(RowNames(), (Texts{u"a.jpg", u"b.jpg", u"c.jpg", u"d.jpg", u"e.jpg"}));
    std::u16string path;
    EXPECT_EQ(ezo::SelectedFilePath(path), 0);
    EXPECT_EQ(ezo::SelectedRowCount(), 0);
    ezo::DeleteMarkedRow();  // no mark: nothing goes
    EXPECT_EQ(shell.rowCount, 5);

    SelectRows({1, 3, 4});
    device::SendMessage(shell.fileList, controls::LVM_SETSELECTIONMARK, 0, 1);
    const int n = ezo::SelectedRowCount();
    ASSERT_EQ(n, 3);
    Texts deleted;
    for (int i = 0; i < n; ++i) {
        ASSERT_EQ(ezo::SelectedFilePath(path), 1);
        deleted.push_back(path);
        ezo::DeleteMarkedRow();
    }
    EXPECT_EQ(deleted, (Texts{u"\\Pics\\b.jpg", u"\\Pics\\d.jpg", u"\\Pics\\e.jpg"}));
    EXPECT_EQ(RowNames(), (Texts{u"a.jpg", u"c.jpg"}));
    EXPECT_EQ(shell.rowCount, 2);
    EXPECT_EQ(ezo::SelectedFilePath(path), 0);
    // The grid's Delete finds its row by the exact name.
    EXPECT_EQ(ezo::DeleteRowNamed(u"A.JPG"), 0);
    EXPECT_EQ(ezo::DeleteRowNamed(u"c.jpg"), 1);
    EXPECT_EQ(RowNames(), (Texts{u"a.jpg"}));
    EXPECT_EQ(shell.rowCount, 1);
}

TEST_F(FileViewTest, ThousandsOfPicturesListQuickly) {
    constexpr int kPictures = 2000;  // 5000 measured once: listed in about 0.2 s
    MakeFolder("Many");
    for (int i = 0; i < kPictures; ++i) {
        char name[32];
        std::snprintf(name, sizeof name, "Many/p%04d.jpg", i);
        WriteFile(name, 0);
    }
    Start();
    const auto start = std::chrono::steady_clock::now();
    Select(Item(u"\\Many"));
    const auto listed = std::chrono::steady_clock::now();
    ClickColumn(0);
    const auto sorted = std::chrono::steady_clock::now();
    using ms = std::chrono::milliseconds;
    std::printf("%d pictures: listed in %lld ms, sorted and refilled in %lld ms\n", kPictures,
                static_cast<long long>(std::chrono::duration_cast<ms>(listed - start).count()),
                static_cast<long long>(std::chrono::duration_cast<ms>(sorted - listed).count()));
    EXPECT_EQ(shell.rowCount, kPictures);
    EXPECT_EQ(Row(0)[0], u"p1999.jpg");
    EXPECT_EQ(Row(kPictures - 1)[0], u"p0000.jpg");
}

}  // namespace
}  // namespace browse_test
