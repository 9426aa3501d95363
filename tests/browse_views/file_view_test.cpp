// The file list in the real main window.
#include <utime.h>

#include <QMenu>

#include <filesystem>

#include "browse/file_view.h"
#include "browse_fixture.h"
#include "platform/controls/menu.h"
#include "platform/device/activation.h"
#include "support/when_modal.h"

namespace browse_test {
namespace {

namespace fs = std::filesystem;

// The pop-up shown in the menu window.
QMenu* ShownMenu(HWND window) {
    if (!window->hostedWidget()) return nullptr;
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
    // Sends the list's column click to the main window, as a header tap does.
    void ClickColumn(int column) const {
        controls::NMLISTVIEW click;
        click.iSubItem = column;
        controls::SendNotify(List(), &click.hdr, controls::LVN_COLUMNCLICK);
    }
    // The screen point in the middle of a row's name.
    gdi::POINT RowPoint(int row) const {
        gdi::RECT r;
        r.left = controls::LVIR_LABEL;
        Send(List(), controls::LVM_GETITEMRECT, device::WPARAM(row), &r);
        return device::ClientToScreen(List(), {r.left + 20, (r.top + r.bottom) / 2});
    }
};

// Unsorted, the rows are the list's entries in its order, each showing name,
// type, whole size (past 4 GiB too) and date; a click on any column sorts by
// name, the other way each time.
TEST_F(FileViewTest, RowsShowTheListAndEachColumnClickReversesTheNameOrder) {
    testing_support::ScopedTimeZone utc("UTC");
    MakeFolder("Pics");
    const struct { std::string name; uintmax_t size; Texts row; } files[] = {
        {"b.bmp", 0, {u"b.bmp", u"BMP", u"1K", u"2024/3/5"}},
        {"c.gif", 500, {u"c.gif", u"GIF", u"1K", u"2024/3/5"}},
        {"a.JPG", 37 * 1024 + 5, {u"a.JPG", u"JPEG", u"37K", u"2024/3/5"}},
        {"big.Jpeg", 2'048'000, {u"big.Jpeg", u"JPEG", u"2M", u"2024/3/5"}},
        {"small é.jpg", 1'024'000, {U16("small é.jpg"), u"JPEG", u"1000K", u"2024/3/5"}},
        {"huge.jpg", 5ull << 30, {u"huge.jpg", u"JPEG", u"5242M", u"2024/3/5"}},  // sparse: no disk taken
    };
    const utimbuf march5{1'709'632'800, 1'709'632'800};  // 2024-03-05 10:00 UTC
    for (const auto& f : files) {
        WriteFile("Pics/" + f.name);
        fs::resize_file(HostPath("Pics/" + f.name), f.size);
        ASSERT_EQ(::utime(HostPath("Pics/" + f.name).c_str(), &march5), 0);
    }
    Start();
    Select(Item(u"\\Pics"));
    const ezo::FileList& list = program().fileList;
    Texts listed;
    for (const ezo::FileEntry* e = list.head.get(); e; e = e->next.get()) listed.push_back(e->name);
    ASSERT_EQ(RowNames(), listed);
    for (const auto& f : files) {
        const auto at = std::find(listed.begin(), listed.end(), f.row[0]);
        ASSERT_NE(at, listed.end());
        EXPECT_EQ(Row(int(at - listed.begin())), f.row);
    }

    const Texts ascending = {u"a.JPG", u"b.bmp", u"big.Jpeg", u"c.gif", u"huge.jpg", U16("small é.jpg")};
    const Texts descending(ascending.rbegin(), ascending.rend());
    for (auto [column, order] : {std::pair{0, &descending}, {2, &ascending}, {3, &descending}, {1, &ascending}}) {
        SCOPED_TRACE(column);
        ClickColumn(column);
        EXPECT_EQ(RowNames(), *order);
        EXPECT_EQ(program().shell.rowCount, 6);
        int index = 1;
        for (const ezo::FileEntry* e = list.head.get(); e; e = e->next.get()) EXPECT_EQ(e->index, index++);
    }
    // The direction carries over to the next folder: its first click sorts down.
    MakeFolder("More");
    WriteFile("More/z.jpg");
    WriteFile("More/y.gif");
    Select(RootItem());
    Select(Item(u"\\More"));
    ClickColumn(0);
    EXPECT_EQ(RowNames(), (Texts{u"z.jpg", u"y.gif"}));
}

TEST_F(FileViewTest, ActivationThatCannotOpenShowsTheBrowseScreenAgain) {
    StartIn({"a.jpg", "b.gif"});
    const ezo::Shell& shell = program().shell;
    // A real tap on a row: the viewer refuses (nothing here can open it).
    const gdi::POINT p = RowPoint(0);
    dev().tap(p.x, p.y);
    dev().processPending();
    EXPECT_TRUE(Visible(shell.fileList));
    EXPECT_TRUE(Visible(shell.tree));
    EXPECT_EQ(shell.thumbViewActive, 0);
    EXPECT_EQ(shell.browseMode, 1);

    // With the grid as the browse window the grid is what comes back.
    device::ShowWindow(shell.fileList, device::SW_HIDE);
    device::ShowWindow(shell.thumbGrid, device::SW_SHOW);
    const ezo::ActivatedFile named = ezo::OnFileActivated(program(), 1);
    EXPECT_EQ(named.path.substr(0, 6), u"\\Pics\\");
    ezo::OpenFromBrowse(window_, named.path, named.kind);
    EXPECT_EQ(shell.thumbViewActive, 1);
    EXPECT_TRUE(Visible(shell.thumbGrid));
    EXPECT_FALSE(Visible(shell.fileList));

    // No such row: nothing happens at all.
    device::ShowWindow(shell.tree, device::SW_SHOW);
    for (int row : {-1, 2, 99}) {
        EXPECT_TRUE(ezo::OnFileActivated(program(), row).path.empty());
        EXPECT_TRUE(Visible(shell.thumbGrid));
        EXPECT_TRUE(Visible(shell.tree));
    }
}

// Tap-and-hold selects the row, with the selection mark, and offers Delete
// and File Info.
TEST_F(FileViewTest, HoldSelectsTheRowAndOffersDelete) {
    StartIn({"a.jpg", "b.jpg", "c.jpg"});
    ezo::Shell& shell = program().shell;
    ezo::DeleteMarkedRow(shell);  // no mark: nothing goes
    EXPECT_EQ(shell.rowCount, 3);

    const gdi::POINT p = RowPoint(1);
    Texts items;
    test_support::WhenModal([&](HWND window) {
        QMenu* menu = ShownMenu(window);
        ASSERT_TRUE(menu);
        for (QAction* a : menu->actions()) items.push_back(a->text().toStdU16String());
    });
    dev().hold(p.x, p.y);
    dev().processPending();
    EXPECT_EQ(items, (Texts{u"Delete", u"File Info"}));
    EXPECT_EQ(controls::TrackedMenuWindow(), nullptr);
    EXPECT_TRUE(Visible(List()));  // selected, not opened
    std::u16string path;
    ASSERT_EQ(ezo::SelectedFilePath(program(), path), 1);
    EXPECT_EQ(path, u"\\Pics\\" + RowNames()[1]);
    EXPECT_EQ(ezo::SelectedRowCount(shell), 1);
}

}  // namespace
}  // namespace browse_test
