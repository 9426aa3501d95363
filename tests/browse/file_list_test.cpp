#include "browse/file_list.h"

#include <gtest/gtest.h>

#include <map>
#include <vector>

#include "files/temp_folder.h"
#include "platform/files/device_paths.h"
#include "platform/files/find_file.h"

namespace {

using testing_support::TempFolder;
using Names = std::vector<std::u16string>;

Names NamesIn(const ezo::FileList& list) {
    Names names;
    for (const ezo::FileEntry* e = list.head.get(); e; e = e->next.get()) names.push_back(e->name);
    return names;
}

class FolderScan : public ::testing::Test {
protected:
    void SetUp() override { files::SetDeviceRoot(root.path()); }
    void TearDown() override { files::SetDeviceRoot(""); }
    void Scan(std::u16string scanPath) {
        list.scanPath = std::move(scanPath);
        ezo::ScanFolder(list);
    }
    TempFolder root;
    ezo::FileList list;
};

TEST(ExtensionRule, TellsTheKindByTheNameAlone) {
    const struct { std::u16string name; int kind; } cases[] = {
        {u"PHOTO.JPG", ezo::Jpg}, {u"photo.jpg", ezo::Jpg},   {u"Photo.Jpeg", ezo::Jpeg},
        {u"a.gif", ezo::Gif},     {u"a.BMP", ezo::Bmp},       {u".jpg", ezo::Jpg},
        {u"a.jpg.gif", ezo::Gif}, {u"photo.jpe", -1},         {u"photo.png", -1},
        {u"jpg", -1},             {u"photojpg", -1},          {u"a.jpg ", -1},
        {u"", -1},                {u"a.gifx", -1},
    };
    for (const auto& c : cases) EXPECT_EQ(ezo::ImageKindOfName(c.name), c.kind) << c.name.size();
}

TEST_F(FolderScan, ListsPicturesInTheReverseOfEnumerationOrder) {
    root.MakeFolder("Pics/Sub.jpg");  // a folder with a picture's name is not a picture
    root.MakeFolder("Pics/Plain");
    for (const auto& [name, size] : std::vector<std::pair<std::string, size_t>>{
             {"a.jpg", 10}, {"b.bmp", 2000}, {"c.gif", 0}, {"Photo.Jpeg", 5}, {"notes.txt", 1}, {"photo.jpe", 1}, {"jpg", 1}})
        root.WriteFile("Pics/" + name, std::string(size, 'x'));
    const std::map<std::u16string, std::pair<uint32_t, uint64_t>> pictures = {  // kind and size
        {u"a.jpg", {ezo::Jpg, 10}}, {u"b.bmp", {ezo::Bmp, 2000}}, {u"c.gif", {ezo::Gif, 0}},
        {u"Photo.Jpeg", {ezo::Jpeg, 5}}};
    Names expected;
    files::WIN32_FIND_DATA data;
    files::FindHandle search = files::FindFirstFile(u"\\Pics\\*.*", &data);
    for (bool more = search != nullptr; more; more = files::FindNextFile(search, &data))
        if (pictures.count(data.cFileName)) expected.insert(expected.begin(), data.cFileName);
    ASSERT_EQ(expected.size(), 4u);

    // Any path inside the folder names it.
    for (std::u16string scanPath : {u"\\Pics\\", u"\\Pics\\*.*", u"\\pics\\a.jpg"}) {
        Scan(scanPath);
        EXPECT_EQ(NamesIn(list), expected);
        EXPECT_EQ(list.count, 4);
        int32_t index = 1;
        for (const ezo::FileEntry* e = list.head.get(); e; e = e->next.get(), ++index) {
            EXPECT_EQ(e->index, index);
            EXPECT_EQ(std::pair(e->kind, e->size), pictures.at(e->name));
            EXPECT_EQ(e->nameLength, int32_t(e->name.size()));
            EXPECT_GT(e->modified, 0u);
        }
    }
}

TEST_F(FolderScan, EmptyAndMissingFoldersGiveAnEmptyList) {
    root.MakeFolder("Empty");
    root.MakeFolder("Text");
    root.WriteFile("Text/readme.txt", "");
    root.WriteFile("one.jpg", "");
    for (std::u16string scanPath : {u"\\Empty\\", u"\\Missing\\", u"\\Text\\", u"nofolder"}) {
        Scan(u"\\");  // a full list first, to be replaced
        ASSERT_EQ(list.count, 1);
        Scan(scanPath);
        EXPECT_EQ(list.head, nullptr);
        EXPECT_EQ(list.count, 0);
    }
    // A freed list counts no entries, so nothing walks the count past its end.
    Scan(u"\\");
    ezo::FreeFileList(list);
    EXPECT_EQ(list.head, nullptr);
    EXPECT_EQ(list.count, 0);
}

// Names equal but for case keep the order the exchange selection sort gives
// them, which no stable sort does: entries are told apart by their size.
// The list is then seen as sorted in its direction (a rescan keeps it so).
TEST(FileListSort, TiedNamesTakeTheExchangeSortsOrder) {
    const struct { Names names; bool ascending; std::vector<uint32_t> order; } cases[] = {
        {{u"b", u"a", u"A", u"B", u"a"}, true, {1, 2, 4, 3, 0}},
        {{u"b", u"a", u"A", u"B", u"a"}, false, {0, 3, 2, 1, 4}},
        {{u"x", u"X", u"c", u"x", u"C"}, true, {2, 4, 0, 3, 1}},
        {{u"\u00e9", u"\u00c9", u"_"}, true, {2, 1, 0}},
    };
    for (const auto& c : cases) {
        ezo::FileList list;
        for (size_t i = c.names.size(); i-- > 0;) {
            auto entry = std::make_unique<ezo::FileEntry>();
            entry->name = c.names[i];
            entry->size = uint32_t(i);
            entry->next = std::move(list.head);
            list.head = std::move(entry);
        }
        list.ascending = c.ascending;
        EXPECT_FALSE(ezo::FileListSorted(list));
        ezo::SortFileList(list);
        EXPECT_TRUE(ezo::FileListSorted(list));
        std::vector<uint32_t> order;
        for (const ezo::FileEntry* e = list.head.get(); e; e = e->next.get()) order.push_back(uint32_t(e->size));
        EXPECT_EQ(order, c.order) << c.names.size() << (c.ascending ? " ascending" : " descending");
    }
}

}  // namespace
