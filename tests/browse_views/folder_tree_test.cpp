// The folder tree in the real main window.
#include <algorithm>
#include <filesystem>

#include "browse/file_view.h"
#include "browse/folder_tree.h"
#include "browse_fixture.h"

namespace browse_test {
namespace {

// Folders are read only when opened, and read afresh on selection: one that
// became a file since the tree showed it lists nothing. A folder named like
// a picture is listed with the pictures.
TEST_F(BrowseViewsTest, TheRootStartsSelectedAndEachSelectedFolderIsListed) {
    for (const char* folder : {"b/inner", "A", "c d/deeper", "a.jpg", "My Documents/Pictures/Old", "Fotos à Noël", "Gone/Sub"})
        MakeFolder(folder);
    for (const char* file : {"top.jpg", "readme.txt", "My Documents/Pictures/sea.JPG", "My Documents/Pictures/Sky.gif",
                             "My Documents/Pictures/Old/old.bmp", "My Documents/letter.doc",
                             "Fotos à Noël/Été 2024 plage.jpeg"})
        WriteFile(file);
    Start();
    const HTREEITEM root = RootItem();
    ASSERT_TRUE(root);
    EXPECT_EQ(Text(root), u"\\");
    EXPECT_EQ(Selected(), root);
    EXPECT_TRUE(IsExpanded(root));
    const Texts top = {u"A", u"a.jpg", u"b", u"c d", U16("Fotos à Noël"), u"Gone", u"My Documents"};
    EXPECT_EQ(ChildTexts(root), top);
    for (auto [path, button] : {std::pair{u"\\A", false}, {u"\\a.jpg", false}, {u"\\b", true}, {u"\\c d", true}}) {
        SCOPED_TRACE(QString::fromStdU16String(path).toStdString());
        ASSERT_TRUE(Item(path));
        EXPECT_EQ(HasButton(Item(path)), button);
        EXPECT_TRUE(ChildTexts(Item(path)).empty());
    }
    EXPECT_EQ(program().currentFolder, u"\\");
    EXPECT_TRUE(Visible(List()));

    struct Case { std::string path, current; Texts rows, children; } cases[] = {  // UTF-8 device paths
        {"\\My Documents", "\\My Documents\\", {}, {u"Pictures"}},
        {"\\My Documents\\Pictures", "\\My Documents\\Pictures\\", {u"Sky.gif", u"sea.JPG"}, {u"Old"}},
        {"\\My Documents\\Pictures\\Old", "\\My Documents\\Pictures\\Old\\", {u"old.bmp"}, {}},
        {"\\Fotos à Noël", "\\Fotos à Noël\\", {U16("Été 2024 plage.jpeg")}, {}},
        {"\\", "\\", {u"top.jpg"}, top},  // the folder a.jpg is no picture
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
        EXPECT_EQ(program().currentFolder, U16(c.current));
        auto rows = RowNames();
        std::sort(rows.begin(), rows.end());
        EXPECT_EQ(rows, c.rows);
        EXPECT_EQ(program().shell.rowCount, int(c.rows.size()));
        EXPECT_EQ(ChildTexts(item), c.children);
        EXPECT_EQ(Visible(program().shell.noImages), c.rows.empty());
        EXPECT_EQ(Visible(List()), !c.rows.empty());
    }
    HTREEITEM gone = Item(u"\\Gone");
    ASSERT_TRUE(gone && HasButton(gone));
    std::filesystem::remove_all(HostPath("Gone"));
    WriteFile("Gone");
    Select(gone);
    EXPECT_TRUE(RowNames().empty());
    EXPECT_EQ(program().fileList.head, nullptr);
    EXPECT_TRUE(Visible(program().shell.noImages) && !Visible(List()));
    EXPECT_FALSE(HasButton(gone));
    EXPECT_TRUE(ChildTexts(gone).empty());
    EXPECT_EQ(program().currentFolder, u"\\Gone\\");
}

// Collapsing keeps a folder's children, expanding again re-reads them.
// Opening another folder leaves the listed one current (the rows' paths are
// built from it); re-reading the folder that holds the selected one moves
// the selection up to it, and the list follows.
TEST_F(BrowseViewsTest, ExpandingRereadsTheFolderAndKeepsTheListedOneCurrent) {
    MakeFolder("A/one");
    MakeFolder("P/Child");
    for (const char* file : {"P/parent.jpg", "P/Child/child.jpg"}) WriteFile(file);
    Start();
    Expand(Item(u"\\P"), controls::TVE_EXPAND);
    Select(Item(u"\\P\\Child"));
    HTREEITEM a = Item(u"\\A");
    Expand(a, controls::TVE_EXPAND);
    MakeFolder("A/two/three");
    Expand(a, controls::TVE_COLLAPSE);
    EXPECT_EQ(ChildTexts(a), (Texts{u"one"}));
    Expand(a, controls::TVE_EXPAND);
    EXPECT_EQ(ChildTexts(a), (Texts{u"one", u"two"}));
    EXPECT_TRUE(HasButton(Item(u"\\A\\two")) && !HasButton(Item(u"\\A\\one")));
    SelectRows({0});
    std::u16string path;
    ASSERT_TRUE(ezo::SelectedFilePath(program(), path));
    EXPECT_EQ(path, u"\\P\\Child\\child.jpg");

    Expand(Item(u"\\P"), controls::TVE_COLLAPSE);
    Expand(Item(u"\\P"), controls::TVE_EXPAND);
    EXPECT_EQ(Selected(), Item(u"\\P"));
    EXPECT_EQ(RowNames(), (Texts{u"parent.jpg"}));
    EXPECT_EQ(program().currentFolder, u"\\P\\");
}

TEST_F(BrowseViewsTest, RevealFolderWalksTheExactNamesAndStopsAtTheFirstMismatch) {
    MakeFolder("Storage Card/Photos/2024");
    MakeFolder("Storage Card/Music");
    WriteFile("Storage Card/Photos/p.jpg");
    Start();
    // The folder selected afterwards, and whether it is expanded.
    struct Case { const char16_t* path; const char16_t* selected; bool expanded; } cases[] = {
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
        ezo::RevealFolder(program(), c.path);
        HTREEITEM selected = Item(c.selected);
        ASSERT_TRUE(selected);
        EXPECT_EQ(Selected(), selected);
        EXPECT_EQ(IsExpanded(selected), c.expanded);
        const std::u16string folder = c.selected == std::u16string(u"\\") ? u"\\" : std::u16string(c.selected) + u"\\";
        EXPECT_EQ(program().currentFolder, folder);
    }
}

}  // namespace
}  // namespace browse_test
