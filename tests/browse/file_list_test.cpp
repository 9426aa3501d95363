#include "browse/file_list.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <random>
#include <vector>

#include "files/temp_folder.h"
#include "platform/files/device_paths.h"
#include "platform/files/find_file.h"
#include "platform/files/name_case.h"

namespace {

using ezo::fileList;
using testing_support::TempFolder;

std::vector<std::u16string> NamesInList() {
    std::vector<std::u16string> names;
    for (ezo::FileEntry* e = fileList.head; e; e = e->next) names.push_back(e->name);
    return names;
}

// The names of a folder in the order the device enumerates them.
std::vector<std::u16string> EnumerationOrder(std::u16string_view pattern) {
    std::vector<std::u16string> names;
    files::WIN32_FIND_DATA data;
    files::FindHandle search = files::FindFirstFile(pattern, &data);
    for (bool more = search != nullptr; more; more = files::FindNextFile(search, &data)) {
        names.emplace_back(data.cFileName);
    }
    return names;
}

class FolderScan : public ::testing::Test {
protected:
    void SetUp() override {
        files::SetDeviceRoot(root.path());
        ezo::onFileListRefilled = [this] { ++refills; };
    }
    void TearDown() override {
        ezo::FreeFileList();
        fileList = {};
        ezo::onFileListRefilled = nullptr;
        files::SetDeviceRoot("");
    }
    TempFolder root;
    int refills = 0;
};

TEST(ExtensionRule, TellsTheKindByTheNameAlone) {
    struct { std::u16string name; int kind; } cases[] = {
        {u"PHOTO.JPG", ezo::Jpg}, {u"photo.jpg", ezo::Jpg},   {u"Photo.Jpeg", ezo::Jpeg},
        {u"a.gif", ezo::Gif},     {u"a.BMP", ezo::Bmp},       {u".jpg", ezo::Jpg},
        {u"a.jpg.gif", ezo::Gif}, {u"photo.jpe", -1},         {u"photo.png", -1},
        {u"jpg", -1},             {u"photojpg", -1},          {u"a.jpg ", -1},
        {u"", -1},                {u"a.gifx", -1},
    };
    for (const auto& c : cases) EXPECT_EQ(ezo::ImageKindOfName(c.name), c.kind) << c.name.size();
}

TEST_F(FolderScan, ListsPicturesInTheReverseOfEnumerationOrder) {
    root.MakeFolder("Pics/Sub.jpg");  // a folder with a picture's name is listed too
    root.MakeFolder("Pics/Plain");
    const std::vector<std::pair<std::string, size_t>> files = {
        {"a.jpg", 10}, {"b.bmp", 2000}, {"c.gif", 0}, {"Photo.Jpeg", 5}, {"notes.txt", 1},
        {"photo.jpe", 1}, {"jpg", 1}};
    for (const auto& [name, size] : files) root.WriteFile("Pics/" + name, std::string(size, 'x'));

    struct Expected {
        uint32_t kind;
        uint32_t size;
    };
    const std::map<std::u16string, Expected> pictures = {
        {u"a.jpg", {ezo::Jpg, 10}},  {u"b.bmp", {ezo::Bmp, 2000}}, {u"c.gif", {ezo::Gif, 0}},
        {u"Photo.Jpeg", {ezo::Jpeg, 5}}, {u"Sub.jpg", {ezo::Jpg, 0}}};
    std::vector<std::u16string> expected;
    for (const auto& name : EnumerationOrder(u"\\Pics\\*.*")) {
        if (pictures.count(name)) expected.insert(expected.begin(), name);
    }
    ASSERT_EQ(expected.size(), 5u);

    // Any path inside the folder names it.
    for (std::u16string scanPath : {u"\\Pics\\", u"\\Pics\\*.*", u"\\pics\\a.jpg"}) {
        fileList.scanPath = scanPath;
        refills = 0;
        ezo::ScanFolder();
        EXPECT_EQ(NamesInList(), expected);
        EXPECT_EQ(fileList.count, 5);
        EXPECT_EQ(refills, 1);
        int32_t index = 1;
        for (ezo::FileEntry* e = fileList.head; e; e = e->next, ++index) {
            EXPECT_EQ(e->index, index);
            EXPECT_EQ(e->kind, pictures.at(e->name).kind);
            EXPECT_EQ(e->size, pictures.at(e->name).size);
            EXPECT_EQ(e->nameLength, int32_t(e->name.size()));
            EXPECT_GT(e->modified, 0u);
            EXPECT_EQ(e->thumbnail, nullptr);
        }
    }
}

TEST_F(FolderScan, EmptyAndMissingFoldersGiveAnEmptyList) {
    root.MakeFolder("Empty");
    root.MakeFolder("Text");
    root.WriteFile("Text/readme.txt", "");
    for (std::u16string scanPath : {u"\\Empty\\", u"\\Missing\\", u"\\Text\\", u"nofolder"}) {
        root.WriteFile("one.jpg", "");
        fileList.scanPath = u"\\";
        ezo::ScanFolder();  // a full list first, to be replaced
        ASSERT_EQ(fileList.count, 1);
        fileList.scanPath = scanPath;
        ezo::ScanFolder();
        EXPECT_EQ(fileList.head, nullptr);
        EXPECT_EQ(fileList.count, 0);
    }
}

TEST_F(FolderScan, SortsByNameInTheDirectionOfEachClick) {
    for (const char* name : {"b.jpg", "A.jpg", "c.gif", "_x.bmp"}) root.WriteFile(name, "");
    fileList.scanPath = u"\\";
    ezo::ScanFolder();
    using Names = std::vector<std::u16string>;
    const Names ascending = {u"_x.bmp", u"A.jpg", u"b.jpg", u"c.gif"};
    const Names descending(ascending.rbegin(), ascending.rend());
    // Each column click flips the direction first; a new scan does not reset it.
    const Names afterClick[] = {descending, ascending, descending};
    for (const Names& expected : afterClick) {
        fileList.ascending = !fileList.ascending;
        ezo::SortFileList();
        ezo::NumberFileList();
        EXPECT_EQ(NamesInList(), expected);
    }
    ezo::ScanFolder();
    fileList.ascending = !fileList.ascending;
    ezo::SortFileList();
    EXPECT_EQ(NamesInList(), ascending);
}

// The exchange selection sort written out over plain records.
struct Record {
    std::u16string name;
    int tag;
};
void LiteralExchangeSort(std::vector<Record>& records, bool ascending) {
    Record s, t;
    for (size_t p = 0; p < records.size(); ++p) {
        s = records[p];
        for (size_t q = p + 1; q < records.size(); ++q) {
            const int order = files::CompareNoCase(s.name, records[q].name);
            if (ascending ? order > 0 : order < 0) {
                t = s;
                s = records[q];
                records[q] = t;
            }
        }
        records[p] = s;
    }
}

TEST_F(FolderScan, SortGivesTheExchangeSortsOrderEvenForTiedNames) {
    std::mt19937 random(1234);
    const std::u16string letters = u"aAbB_\u00e9\u00c9";
    for (int round = 0; round < 200; ++round) {
        std::vector<Record> records(random() % 12);
        for (size_t i = 0; i < records.size(); ++i) {
            const size_t length = 1 + random() % 3;
            for (size_t k = 0; k < length; ++k) {
                records[i].name.push_back(letters[random() % letters.size()]);
            }
            records[i].tag = int(i);
        }
        // Build the list with tags in the size field, head first.
        ezo::FreeFileList();
        for (auto it = records.rbegin(); it != records.rend(); ++it) {
            auto* entry = new ezo::FileEntry;
            entry->name = it->name;
            entry->size = uint32_t(it->tag);
            entry->next = fileList.head;
            fileList.head = entry;
        }
        const bool ascending = round % 2 == 0;
        fileList.ascending = ascending;
        ezo::SortFileList();
        LiteralExchangeSort(records, ascending);
        std::vector<std::pair<std::u16string, int>> got, want;
        for (ezo::FileEntry* e = fileList.head; e; e = e->next) got.emplace_back(e->name, e->size);
        for (const Record& r : records) want.emplace_back(r.name, r.tag);
        ASSERT_EQ(got, want) << "round " << round;
    }
}

TEST_F(FolderScan, ScansThousandsOfFiles) {
    root.MakeFolder("Many");
    for (int i = 0; i < 2000; ++i) root.WriteFile("Many/img" + std::to_string(i) + ".jpg", "");
    fileList.scanPath = u"\\Many\\";
    ezo::ScanFolder();
    EXPECT_EQ(fileList.count, 2000);
    fileList.ascending = 1;
    ezo::SortFileList();
    EXPECT_EQ(fileList.head->name, u"img0.jpg");
    // A freed list counts no entries, so nothing walks the count past its end.
    ezo::FreeFileList();
    EXPECT_EQ(fileList.head, nullptr);
    EXPECT_EQ(fileList.count, 0);
}

}  // namespace
