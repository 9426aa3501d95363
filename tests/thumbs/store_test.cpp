// The thumbnail store: the index's bytes, reading damaged indexes, finding,
// and emptying.
#include <algorithm>
#include <filesystem>

#include "shell/program.h"
#include "store_fixture.h"
#include "thumbs/thumbnail_store.h"

namespace thumbs_test {
namespace {

using ezo::ThumbIndexRecord;
using ezo::ThumbnailStore;

TEST_F(StoreTest, RecordsGoToTheSlotOfTheirNumber) {
    ThumbnailStore store;
    ezo::OpenThumbnailStore(store);
    ASSERT_EQ(store.enabled, 1);
    EXPECT_TRUE(Bytes("index.tmb").empty());
    ASSERT_EQ(ezo::AddThumbnailRecord(store, {u"Sea.jpg", 1, 5000, 0, 6}, 1), 1);
    EXPECT_EQ(Bytes("index.tmb"), Join({std::vector<uint8_t>(540, 0), Slot(u"Sea.jpg", 1, 5000, 0, 6)}));
    ASSERT_EQ(ezo::AddThumbnailRecord(store, {u"b\u00e9.JPG", 2, 0x89ABCDEF, 10, 0}, 1), 1);
    EXPECT_EQ(Bytes("index.tmb"), Join({std::vector<uint8_t>(540, 0), Slot(u"Sea.jpg", 1, 5000, 0, 6),
                                        Slot(u"b\u00e9.JPG", 2, 0x89ABCDEF, 10, 0)}));
    EXPECT_EQ(ezo::ThumbnailFileName(27), u"\\Program Files\\Ezo\\Thumbnails\\ezo27.ezo");
}

TEST_F(StoreTest, ReadingAnIndexKeepsOnlyWholeSoundRecords) {
    const std::vector<uint8_t> zero(540, 0);
    std::vector<uint8_t> unterminated = Slot(u"", 1);
    for (size_t i = 4; i < 524; i += 2) unterminated[i] = 'A';
    const struct {
        const char* what;
        std::vector<uint8_t> bytes;
        size_t records;
        int32_t highest;
    } cases[] = {
        {"empty", {}, 0, 0},
        {"shorter than a slot", std::vector<uint8_t>(100, 7), 0, 0},
        {"a record and 20 trailing bytes", Join({zero, Slot(u"a.jpg", 1), std::vector<uint8_t>(20, 9)}), 1, 1},
        {"only slot 0, garbage", std::vector<uint8_t>(540, 0xFF), 0, 0},
        {"the number, not the slot, counts", Join({zero, Slot(u"a.jpg", 5)}), 1, 5},
        {"a name without terminator", Join({zero, unterminated, Slot(u"b.jpg", 2)}), 1, 2},
        {"an empty name", Join({zero, Slot(u"", 1)}), 0, 0},
        {"number 0", Join({zero, Slot(u"a.jpg", 0)}), 0, 0},
        {"a negative number", Join({zero, Slot(u"a.jpg", -3)}), 0, 0},
        {"a huge number", Join({zero, Slot(u"a.jpg", 0x7FFFFFFF), Slot(u"b.jpg", 2)}), 1, 2},
        {"offsets outside the box", Join({zero, Slot(u"a.jpg", 1, 10, 65, 0), Slot(u"b.jpg", 2, 10, 0, -1)}), 0, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        WriteBytes("index.tmb", c.bytes);
        ThumbnailStore store;
        ezo::OpenThumbnailStore(store);
        EXPECT_EQ(store.enabled, 1);
        EXPECT_EQ(store.records.size(), c.records);
        EXPECT_EQ(store.highestNumber, c.highest);
    }
}

TEST_F(StoreTest, FindMatchesNameAndSizeExactlyNewestFirst) {
    WriteBytes("index.tmb", Join({std::vector<uint8_t>(540, 0), Slot(u"IMG1.JPG", 1, 1000, 0, 6),
                                  Slot(u"IMG1.JPG", 2, 1000, 10, 0), Slot(u"img1.jpg", 3, 1001, 0, 6)}));
    ThumbnailStore store;
    ezo::OpenThumbnailStore(store);
    int32_t left = -1, top = -1;
    EXPECT_EQ(ezo::FindThumbnail(store, u"IMG1.JPG", 1000, left, top), 2);
    EXPECT_EQ(left, 10);
    EXPECT_EQ(top, 0);
    EXPECT_EQ(ezo::FindThumbnail(store, u"img1.jpg", 1000, left, top), -1);
    EXPECT_EQ(ezo::FindThumbnail(store, u"IMG1.JPG", 1001, left, top), -1);
    ezo::AddThumbnailRecord(store, {u"img1.jpg", 4, 1000, 3, 0}, 0);
    EXPECT_EQ(ezo::FindThumbnail(store, u"img1.jpg", 1000, left, top), 4);
}

TEST_F(StoreTest, WithoutAUsableIndexTheStoreIsOffAndWritesNothing) {
    for (const bool folderMissing : {true, false}) {
        SCOPED_TRACE(folderMissing ? "folder missing" : "index is a folder");
        std::filesystem::remove_all(Folder());
        if (!folderMissing) std::filesystem::create_directories(StoreFile("index.tmb"));
        ThumbnailStore store;
        ezo::OpenThumbnailStore(store);
        EXPECT_EQ(store.enabled, 0);
        int32_t left = 0, top = 0;
        EXPECT_EQ(ezo::AddThumbnailRecord(store, {u"a.jpg", 1, 10, 0, 0}, 1), 0);
        EXPECT_EQ(ezo::FindThumbnail(store, u"a.jpg", 10, left, top), -1);
        // Nothing was created: no folder, or the folder with its one entry.
        const auto entries = [&] { return std::distance(std::filesystem::directory_iterator(Folder()), {}); };
        EXPECT_EQ(std::filesystem::exists(Folder()) ? entries() : 0, folderMissing ? 0 : 1);
    }
}

TEST_F(StoreTest, EmptyingLeavesAnEmptyIndexAndNumbersFromOneAgain) {
    ezo::Program program;
    ezo::OpenThumbnailStore(program.thumbnailStore);
    ezo::AddThumbnailRecord(program.thumbnailStore, {u"a.jpg", 1, 10, 0, 0}, 1);
    program.thumbnailStore.highestNumber = 1;
    cache_.WriteFile("Thumbnails/ezo1.ezo", "x");
    cache_.WriteFile("Thumbnails/ezo2.ezo.part", "half");
    cache_.MakeFolder("Thumbnails/kept");
    ezo::EmptyThumbnailStore(program);
    EXPECT_EQ(ezo::ThumbnailStoreHighestNumber(program), 0);
    EXPECT_EQ(program.thumbnailStore.enabled, 1);
    std::vector<std::string> left;
    for (const auto& e : std::filesystem::directory_iterator(Folder())) left.push_back(e.path().filename());
    std::sort(left.begin(), left.end());
    EXPECT_EQ(left, (std::vector<std::string>{"index.tmb", "kept"}));
    EXPECT_TRUE(Bytes("index.tmb").empty());
    int32_t x = 0, y = 0;
    EXPECT_EQ(ezo::FindThumbnail(program.thumbnailStore, u"a.jpg", 10, x, y), -1);
}

}  // namespace
}  // namespace thumbs_test
