// Delete on the real file list, after the question in the program's message box.
#include <filesystem>

#include "app/browse_commands.h"
#include "browse/file_view.h"
#include "browse_fixture.h"
#include "platform/device/activation.h"
#include "shell/resource_ids.h"
#include "support/when_modal.h"

namespace browse_test {
namespace {

class DeleteTest : public BrowseViewsTest {
protected:
    // The root lists these five files; rows are picked by name.
    void SetUp() override {
        BrowseViewsTest::SetUp();
        for (const char* name : {"a one.jpg", "b.jpg", "c.gif", "d.bmp", "ü.jpg"}) WriteFile(name);
        Start();
    }
    void SelectNamed(const std::vector<const char*>& names) const {
        const Texts rows = RowNames();
        for (const char* name : names) SelectRows({int(std::find(rows.begin(), rows.end(), U16(name)) - rows.begin())});
    }
    // Answers the next message box with Return (OK) or Escape (Cancel),
    // noting its caption first.
    void Answer(bool ok) {
        test_support::WhenModal([this, ok](HWND box) {
            caption = device::GetWindowText(box);
            dev().key(ok ? Qt::Key_Return : Qt::Key_Escape);
        });
    }
    Texts SortedRows() const {
        Texts rows = RowNames();
        return std::sort(rows.begin(), rows.end()), rows;
    }
    std::u16string caption;
};

// A file the store cannot remove (gone already) is not counted; its row goes
// all the same, and the fresh listing leaves it out. In the thumbnail view
// the row goes by its name after the listing.
TEST_F(DeleteTest, TheSelectedFilesGoAfterOK) {
    const Texts all{u"a one.jpg", u"b.jpg", u"c.gif", u"d.bmp", U16("ü.jpg")};
    struct Case { const char* name; std::vector<const char*> selected; const char* gone; bool ok, grid; int deleted; Texts kept; } cases[] = {
        {"one row", {"b.jpg"}, nullptr, true, false, 1, {u"a one.jpg", u"c.gif", u"d.bmp", U16("ü.jpg")}},
        {"three rows", {"a one.jpg", "c.gif", "ü.jpg"}, nullptr, true, false, 3, {u"b.jpg", u"d.bmp"}},
        {"cancelled", {"a one.jpg", "c.gif"}, nullptr, false, false, 0, all},
        {"nothing selected: no question", {}, nullptr, true, false, 0, all},
        {"file already gone", {"d.bmp"}, "d.bmp", true, false, 0, {u"a one.jpg", u"b.jpg", u"c.gif", U16("ü.jpg")}},
        {"thumbnail view", {"ü.jpg"}, nullptr, true, true, 1, {u"a one.jpg", u"b.jpg", u"c.gif", u"d.bmp"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TearDown();
        SetUp();
        caption.clear();
        if (c.grid) dev().command(ezo::IDM_TO_THUMBNAILS), dev().processPending();
        ASSERT_EQ(Visible(program().shell.thumbGrid), c.grid);
        SelectNamed(c.selected);
        if (c.gone) std::filesystem::remove(HostPath(c.gone));
        if (!c.selected.empty()) Answer(c.ok);
        EXPECT_EQ(ezo::DeleteSelectedFiles(window_, ezo::FileViewRows()), c.deleted);
        EXPECT_EQ(caption, c.selected.empty() ? u"" : u"Delete");
        EXPECT_EQ(device::GetActiveWindow(), window_);
        EXPECT_EQ(SortedRows(), c.kept);
        for (const std::u16string& name : all)
            EXPECT_EQ(std::filesystem::exists(HostPath(QString::fromStdU16String(name).toStdString())),
                      std::find(c.kept.begin(), c.kept.end(), name) != c.kept.end());
    }
    EXPECT_EQ(ezo::DeleteRowNamed(program().shell, u"B.JPG"), 0);  // names match exactly
}

// After the last row goes, the row that is last now is selected.
TEST_F(DeleteTest, DeletingTheLastRowSelectsTheNewLastRow) {
    const Texts before = RowNames();
    SelectRows({int(before.size()) - 1});
    Answer(true);
    EXPECT_EQ(ezo::DeleteSelectedFiles(window_, ezo::FileViewRows()), 1);
    const auto selected = device::SendMessage(List(), controls::LVM_GETNEXTITEM, device::WPARAM(-1), controls::LVNI_SELECTED);
    EXPECT_EQ(int(selected), int(before.size()) - 2);
}

}  // namespace
}  // namespace browse_test
