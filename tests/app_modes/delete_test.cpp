// Delete: the question in the program's message box, then the selected
// files and their rows, and a fresh listing of the folder.
#include "modes_fixture.h"

#include <vector>

#include "app/browse_commands.h"
#include "app/resource_ids.h"
#include "app/shell/shell_state.h"
#include "browse/current_folder.h"
#include "browse/file_list.h"
#include "platform/device/activation.h"

namespace modes_test {
namespace {

using namespace ezo;

// File rows with selection marks; the first selected row carries the mark.
struct FakeRows {
    struct Row {
        std::u16string name;
        bool selected;
    };
    static inline std::vector<Row> rows;
    static inline std::vector<std::u16string> namedDeletes;

    static int SelectedPath(std::u16string& path) {
        for (const Row& r : rows)
            if (r.selected) return path = u"\\" + r.name, 1;
        return 0;
    }
    static int SelectedCount() {
        int n = 0;
        for (const Row& r : rows) n += r.selected;
        return n;
    }
    static void DeleteMarked() {
        for (auto it = rows.begin(); it != rows.end(); ++it)
            if (it->selected) return void(rows.erase(it));
    }
    static int DeleteNamed(std::u16string_view name) {
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
            FakeRows::rows.push_back({QString::fromUtf8(name).toStdU16String(), false});
        }
    }
    // Answers the next message box with Return (OK) or Escape (Cancel),
    // noting its caption first.
    void Answer(bool ok) {
        Play({[this, ok] {
            caption = device::GetWindowText(device::GetActiveWindow());
            dev().key(ok ? Qt::Key_Return : Qt::Key_Escape);
        }});
    }
    std::u16string caption;
};

TEST_F(DeleteTest, TheSelectedFilesGoAfterOK) {
    struct Case {
        const char* name;
        std::vector<int> selected;
        bool ok;
        int deleted;
        std::vector<const char*> kept;
    } cases[] = {
        {"one row", {1}, true, 1, {"a one.jpg", "c.gif", "d.bmp", "ü.jpg"}},
        {"three rows", {0, 2, 4}, true, 3, {"b.jpg", "d.bmp"}},
        {"cancelled", {0, 2}, false, 0, {"a one.jpg", "b.jpg", "c.gif", "d.bmp", "ü.jpg"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TearDown();
        SetUp();
        for (int i : c.selected) FakeRows::rows[size_t(i)].selected = true;
        Answer(c.ok);
        EXPECT_EQ(DeleteSelectedFiles(window_, FakeRows::Operations()), c.deleted);
        EXPECT_EQ(caption, u"Delete");
        ASSERT_EQ(FakeRows::rows.size(), c.kept.size());
        for (size_t i = 0; i < c.kept.size(); ++i) {
            EXPECT_TRUE(HostFileExists(c.kept[i])) << c.kept[i];
            EXPECT_EQ(FakeRows::rows[i].name, QString::fromUtf8(c.kept[i]).toStdU16String());
        }
        // Deleting lists the folder again; cancelling leaves it alone.
        EXPECT_EQ(fileList.count, c.ok ? int32_t(c.kept.size()) : 0);
    }
}

TEST_F(DeleteTest, NothingSelectedAsksNothing) {
    EXPECT_EQ(DeleteSelectedFiles(window_, FakeRows::Operations()), 0);
    EXPECT_EQ(device::GetActiveWindow(), window_);
    EXPECT_EQ(FakeRows::rows.size(), 5u);
}

TEST_F(DeleteTest, InTheThumbnailViewTheFolderIsListedAgainAndTheRowFoundByName) {
    shell.rowCount = 5;
    dev().command(IDM_TO_THUMBNAILS);
    ASSERT_TRUE(Shown(shell.thumbGrid));
    FakeRows::rows[4].selected = true;
    Answer(true);
    EXPECT_EQ(DeleteSelectedFiles(window_, FakeRows::Operations()), 1);
    EXPECT_FALSE(HostFileExists("ü.jpg"));
    EXPECT_EQ(fileList.count, 4);
    EXPECT_EQ(FakeRows::namedDeletes, std::vector<std::u16string>{u"ü.jpg"});
}

// A file the store cannot remove is not reported; its row goes all the same.
TEST_F(DeleteTest, AFileAlreadyGoneStillLosesItsRow) {
    FakeRows::rows.push_back({u"gone.jpg", true});
    Answer(true);
    EXPECT_EQ(DeleteSelectedFiles(window_, FakeRows::Operations()), 0);
    EXPECT_EQ(FakeRows::rows.size(), 5u);
    EXPECT_EQ(fileList.count, 5);
}

}  // namespace
}  // namespace modes_test
