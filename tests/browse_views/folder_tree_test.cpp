// The folder tree in the real main window: its first state, selection,
// expansion, and revealing a stored folder.
#include <algorithm>
#include <filesystem>
#include <functional>

#include <QString>

#include "app/shell/shell_state.h"
#include "browse/current_folder.h"
#include "browse/file_list.h"
#include "browse/file_view.h"
#include "browse/folder_tree.h"
#include "browse_fixture.h"
#include "platform/controls/list_view.h"
#include "platform/device/message_loop.h"
#include "platform/device/window.h"

namespace browse_test {
namespace {

using ezo::currentFolder;
using ezo::shell;
using Texts = std::vector<std::u16string>;

bool Visible(HWND window) { return device::IsWindowVisible(window); }

TEST_F(BrowseViewsTest, StartsWithTheRootSelectedExpandedAndItsFoldersSorted) {
    MakeFolder("b/inner");
    MakeFolder("A");
    MakeFolder("c d/deeper/deepest");
    MakeFolder("a.jpg");  // a folder with a picture's name
    WriteFile("top.jpg");
    WriteFile("readme.txt");
    Start();

    const HTREEITEM root = RootItem();
    ASSERT_TRUE(root);
    EXPECT_EQ(Text(root), u"\\");
    EXPECT_EQ(Selected(), root);
    EXPECT_TRUE(IsExpanded(root));
    EXPECT_EQ(ChildTexts(root), (Texts{u"A", u"a.jpg", u"b", u"c d"}));
    struct Case {
        const char16_t* path;
        bool button;
    } cases[] = {{u"\\A", false}, {u"\\a.jpg", false}, {u"\\b", true}, {u"\\c d", true}};
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(QString::fromStdU16String(c.path).toStdString()));
        ASSERT_TRUE(Item(c.path));
        EXPECT_EQ(HasButton(Item(c.path)), c.button);
        EXPECT_TRUE(ChildTexts(Item(c.path)).empty());  // read only when opened
    }
    EXPECT_EQ(currentFolder, u"\\");
    // The folder named a.jpg is listed with the root's pictures.
    auto names = RowNames();
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names, (Texts{u"a.jpg", u"top.jpg"}));
    EXPECT_EQ(shell.rowCount, 2);
    EXPECT_TRUE(Visible(shell.fileList));
    EXPECT_FALSE(Visible(shell.noImages));
}

TEST_F(BrowseViewsTest, SelectingAFolderMakesItCurrentAndListsItsPictures) {
    MakeFolder("My Documents/Pictures/Old");
    WriteFile("My Documents/Pictures/sea.JPG");
    WriteFile("My Documents/Pictures/Sky.gif");
    WriteFile("My Documents/Pictures/Old/old.bmp");
    WriteFile("My Documents/letter.doc");
    MakeFolder("Fotos à Noël");
    WriteFile("Fotos à Noël/Été 2024 plage.jpeg");
    WriteFile("root.bmp");
    Start();

    struct Case {
        std::string path;  // UTF-8 device path
        std::string current;
        Texts rows;
        Texts children;
    } cases[] = {
        {"\\My Documents", "\\My Documents\\", {}, {u"Pictures"}},
        {"\\My Documents\\Pictures", "\\My Documents\\Pictures\\", {u"Sky.gif", u"sea.JPG"}, {u"Old"}},
        {"\\My Documents\\Pictures\\Old", "\\My Documents\\Pictures\\Old\\", {u"old.bmp"}, {}},
        {"\\Fotos à Noël", "\\Fotos à Noël\\", {U16("Été 2024 plage.jpeg")}, {}},
        {"\\", "\\", {u"root.bmp"}, {u"Fotos à Noël", u"My Documents"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.path);
        // Each folder's parent is opened on the way, as a user would.
        const std::u16string path = U16(c.path);
        for (size_t at = path.find(u'\\', 1); at != std::u16string::npos; at = path.find(u'\\', at + 1))
            Expand(Item(path.substr(0, at)), controls::TVE_EXPAND);
        HTREEITEM item = Item(path);
        ASSERT_TRUE(item);
        Select(item);
        EXPECT_EQ(currentFolder, U16(c.current));
        auto rows = RowNames();
        std::sort(rows.begin(), rows.end());
        EXPECT_EQ(rows, c.rows);
        EXPECT_EQ(shell.rowCount, int(c.rows.size()));
        EXPECT_EQ(ezo::fileList.count, int(c.rows.size()));
        EXPECT_EQ(ChildTexts(item), c.children);
        EXPECT_EQ(Visible(shell.noImages), c.rows.empty());
        EXPECT_EQ(Visible(shell.fileList), !c.rows.empty());
        EXPECT_FALSE(Visible(shell.thumbGrid));
        if (c.rows.empty()) {
            EXPECT_EQ(ezo::fileList.head, nullptr);
        }
    }
}

TEST_F(BrowseViewsTest, AFolderThatVanishedOrBecameAFileShowsTheNoticeAndLosesItsButton) {
    MakeFolder("Gone/Sub");
    WriteFile("Gone/a.jpg");
    MakeFolder("Now a file/Sub");
    WriteFile("Kept.jpg");
    Start();
    struct Case {
        const char16_t* path;
        std::function<void()> breakIt;
    } cases[] = {
        {u"\\Gone", [&] { std::filesystem::remove_all(HostPath("Gone")); }},
        {u"\\Now a file", [&] {
             std::filesystem::remove_all(HostPath("Now a file"));
             WriteFile("Now a file");
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(QString::fromStdU16String(c.path).toStdString());
        HTREEITEM item = Item(c.path);
        ASSERT_TRUE(item);
        ASSERT_TRUE(HasButton(item));
        ASSERT_EQ(RowNames(), (Texts{u"Kept.jpg"}));
        c.breakIt();
        Select(item);
        EXPECT_EQ(shell.rowCount, 0);
        EXPECT_TRUE(RowNames().empty());
        EXPECT_EQ(ezo::fileList.head, nullptr);
        EXPECT_TRUE(Visible(shell.noImages));
        EXPECT_FALSE(Visible(shell.fileList));
        EXPECT_FALSE(HasButton(item));
        EXPECT_TRUE(ChildTexts(item).empty());
        EXPECT_EQ(currentFolder, std::u16string(c.path) + u"\\");
        Select(RootItem());
    }
}

TEST_F(BrowseViewsTest, CollapsingKeepsTheChildrenAndExpandingAgainRereadsThem) {
    MakeFolder("A/one");
    Start();
    HTREEITEM a = Item(u"\\A");
    Expand(a, controls::TVE_EXPAND);
    EXPECT_EQ(ChildTexts(a), (Texts{u"one"}));
    MakeFolder("A/two/three");
    Expand(a, controls::TVE_COLLAPSE);
    EXPECT_FALSE(IsExpanded(a));
    EXPECT_EQ(ChildTexts(a), (Texts{u"one"}));
    Expand(a, controls::TVE_EXPAND);
    EXPECT_TRUE(IsExpanded(a));
    EXPECT_EQ(ChildTexts(a), (Texts{u"one", u"two"}));
    EXPECT_FALSE(HasButton(Item(u"\\A\\one")));
    EXPECT_TRUE(HasButton(Item(u"\\A\\two")));
}

// The rows belong to the selected folder, and their paths are built from
// currentFolder: opening some other folder in the tree must not point them
// at that folder.
TEST_F(BrowseViewsTest, ExpandingAnotherFolderKeepsTheListedFolderCurrent) {
    MakeFolder("Listed");
    WriteFile("Listed/same.jpg");
    MakeFolder("Other/Sub");
    WriteFile("Other/same.jpg");
    Start();
    Select(Item(u"\\Listed"));
    Expand(Item(u"\\Other"), controls::TVE_EXPAND);
    EXPECT_EQ(ChildTexts(Item(u"\\Other")), (Texts{u"Sub"}));
    EXPECT_EQ(currentFolder, u"\\Listed\\");
    controls::LVITEMW select;
    select.stateMask = select.state = controls::LVIS_SELECTED;
    device::SendMessage(shell.fileList, controls::LVM_SETITEMSTATE, 0, reinterpret_cast<device::LPARAM>(&select));
    std::u16string path;
    ASSERT_TRUE(ezo::SelectedFilePath(path));
    EXPECT_EQ(path, u"\\Listed\\same.jpg");
}

// Re-reading a folder that holds the selected one moves the selection up to
// it, and the list follows.
TEST_F(BrowseViewsTest, RereadingTheParentOfTheSelectedFolderListsTheParent) {
    MakeFolder("P/Child");
    WriteFile("P/parent.jpg");
    WriteFile("P/Child/child.jpg");
    Start();
    Expand(Item(u"\\P"), controls::TVE_EXPAND);
    Select(Item(u"\\P\\Child"));
    ASSERT_EQ(RowNames(), (Texts{u"child.jpg"}));
    Expand(Item(u"\\P"), controls::TVE_COLLAPSE);
    Expand(Item(u"\\P"), controls::TVE_EXPAND);
    EXPECT_EQ(Selected(), Item(u"\\P"));
    EXPECT_EQ(ChildTexts(Item(u"\\P")), (Texts{u"Child"}));
    EXPECT_EQ(RowNames(), (Texts{u"parent.jpg"}));
    EXPECT_EQ(currentFolder, u"\\P\\");
}

TEST_F(BrowseViewsTest, RevealFolderWalksTheExactNamesAndStopsAtTheFirstMismatch) {
    MakeFolder("Storage Card/Photos/2024");
    MakeFolder("Storage Card/Music");
    WriteFile("Storage Card/Photos/p.jpg");
    Start();
    struct Case {
        const char16_t* path;
        const char16_t* selected;  // the folder selected afterwards
        bool expanded;
    } cases[] = {
        {u"\\Storage Card\\Photos\\", u"\\Storage Card\\Photos", true},
        {u"\\Storage Card\\Photos\\p.jpg", u"\\Storage Card\\Photos", true},
        {u"\\\\Storage Card\\\\Photos\\2024", u"\\Storage Card\\Photos\\2024", false},
        {u"\\Storage Card\\photos\\", u"\\Storage Card", true},
        {u"\\storage card\\Photos\\", u"\\", true},
        {u"\\Nowhere\\Photos", u"\\", true},
        {u"", u"\\", true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(QString::fromStdU16String(c.path).toStdString());
        Select(RootItem());
        ezo::RevealFolder(c.path);
        HTREEITEM selected = Item(c.selected);
        ASSERT_TRUE(selected);
        EXPECT_EQ(Selected(), selected);
        EXPECT_EQ(IsExpanded(selected), c.expanded);
        const std::u16string folder = c.selected == std::u16string(u"\\") ? u"\\" : std::u16string(c.selected) + u"\\";
        EXPECT_EQ(currentFolder, folder);
    }
}

}  // namespace
}  // namespace browse_test
