// Delete: the question in the program's message box, then the selected
// files and their rows, and a fresh listing of the folder.
#include <QString>

#include <vector>

#include "app/browse_commands.h"
#include "modes_fixture.h"
#include "platform/device/activation.h"
#include "support/when_modal.h"

namespace modes_test {
namespace {

std::u16string U16(const char* text) { return QString::fromUtf8(text).toStdU16String(); }

// File rows with selection marks; the first selected row carries the mark.
struct FakeRows {
    struct Row {
        std::u16string name;
        bool selected;
    };
    static inline std::vector<Row> rows;
    static inline std::vector<std::u16string> namedDeletes;

    static int SelectedPath(Program&, std::u16string& path) {
        for (const Row& r : rows)
            if (r.selected) return path = u"\\" + r.name, 1;
        return 0;
    }
    static int SelectedCount(const Shell&) {
        int n = 0;
        for (const Row& r : rows) n += r.selected;
        return n;
    }
    static void DeleteMarked(Shell&) {
        for (auto it = rows.begin(); it != rows.end(); ++it)
            if (it->selected) return void(rows.erase(it));
    }
    static int DeleteNamed(Shell&, std::u16string_view name) {
        namedDeletes.emplace_back(name);
        return 0;
    }
    static FileRows Operations() { return {SelectedPath, SelectedCount, DeleteMarked, DeleteNamed}; }
};

class DeleteTest : public ModesTest {
protected:
    void SetUp() override {
        ModesTest::SetUp();
        FakeRows::rows.clear();
        FakeRows::namedDeletes.clear();
        for (const char* name : {"a one.jpg", "b.jpg", "c.gif", "d.bmp", "ü.jpg"}) {
            WriteFile(name);
            FakeRows::rows.push_back({U16(name), false});
        }
    }
    // Answers the next message box with Return (OK) or Escape (Cancel),
    // noting its caption first.
    void Answer(bool ok) {
        test_support::WhenModal([this, ok](HWND box) {
            caption = device::GetWindowText(box);
            dev().key(ok ? Qt::Key_Return : Qt::Key_Escape);
        });
    }
    std::u16string caption;
};

// A file the store cannot remove is not counted; its row goes all the same.
TEST_F(DeleteTest, TheSelectedFilesGoAfterOK) {
    // gone: a selected row whose file is already gone comes first; listed:
    // the entries of the fresh listing, 0 when the folder is not listed again.
    struct Case { const char* name; std::vector<int> selected; bool gone, ok; int deleted;
                  std::vector<const char*> kept; int listed; } cases[] = {
        {"one row", {1}, false, true, 1, {"a one.jpg", "c.gif", "d.bmp", "ü.jpg"}, 4},
        {"three rows", {0, 2, 4}, false, true, 3, {"b.jpg", "d.bmp"}, 2},
        {"cancelled", {0, 2}, false, false, 0, {"a one.jpg", "b.jpg", "c.gif", "d.bmp", "ü.jpg"}, 0},
        {"nothing selected: no question", {}, false, true, 0, {"a one.jpg", "b.jpg", "c.gif", "d.bmp", "ü.jpg"}, 0},
        {"file already gone", {}, true, true, 0, {"a one.jpg", "b.jpg", "c.gif", "d.bmp", "ü.jpg"}, 5},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TearDown();
        SetUp();
        caption.clear();
        for (int i : c.selected) FakeRows::rows[size_t(i)].selected = true;
        if (c.gone) FakeRows::rows.insert(FakeRows::rows.begin(), {u"gone.jpg", true});
        const bool asks = c.gone || !c.selected.empty();
        if (asks) Answer(c.ok);
        EXPECT_EQ(DeleteSelectedFiles(window_, FakeRows::Operations()), c.deleted);
        EXPECT_EQ(caption, asks ? u"Delete" : u"");
        EXPECT_EQ(device::GetActiveWindow(), window_);
        ASSERT_EQ(FakeRows::rows.size(), c.kept.size());
        for (size_t i = 0; i < c.kept.size(); ++i) {
            EXPECT_TRUE(HostFileExists(c.kept[i])) << c.kept[i];
            EXPECT_EQ(FakeRows::rows[i].name, U16(c.kept[i]));
        }
        EXPECT_EQ(program().fileList.count, c.listed);
    }
}

TEST_F(DeleteTest, InTheThumbnailViewTheFolderIsListedAgainAndTheRowFoundByName) {
    program().shell.rowCount = 5;
    Command(IDM_TO_THUMBNAILS);
    ASSERT_TRUE(Shown(program().shell.thumbGrid));
    FakeRows::rows[4].selected = true;
    Answer(true);
    EXPECT_EQ(DeleteSelectedFiles(window_, FakeRows::Operations()), 1);
    EXPECT_FALSE(HostFileExists("ü.jpg"));
    EXPECT_EQ(program().fileList.count, 4);
    EXPECT_EQ(FakeRows::namedDeletes, std::vector<std::u16string>{u"ü.jpg"});
}

}  // namespace
}  // namespace modes_test
