// The thumbnail store: the index's bytes, damaged indexes, finding, emptying;
// and passes killed at random moments leave only records of complete files.
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <map>
#include <random>
#include <set>

#include "image/jpeg_decoder.h"
#include "platform/gdi/pixel_format.h"
#include "shell/image_kind.h"
#include "shell/program.h"
#include "store_fixture.h"
#include "support/jpeg_test_support.h"
#include "thumbs/thumbnail_generator.h"
#include "thumbs/thumbnail_store.h"

namespace thumbs_test {
namespace {

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
        {"empty", {}, 0, 0}, {"shorter than a slot", std::vector<uint8_t>(100, 7), 0, 0},
        {"a record and 20 trailing bytes", Join({zero, Slot(u"a.jpg", 1), std::vector<uint8_t>(20, 9)}), 1, 1},
        {"only slot 0, garbage", std::vector<uint8_t>(540, 0xFF), 0, 0},
        {"the number, not the slot, counts", Join({zero, Slot(u"a.jpg", 5)}), 1, 5},
        {"a name without terminator", Join({zero, unterminated, Slot(u"b.jpg", 2)}), 1, 2},
        {"an empty name", Join({zero, Slot(u"", 1)}), 0, 0}, {"number 0", Join({zero, Slot(u"a.jpg", 0)}), 0, 0},
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
        if (!folderMissing) std::filesystem::create_directories(Folder() + "/index.tmb");
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
    std::set<std::string> left;
    for (const auto& e : std::filesystem::directory_iterator(Folder())) left.insert(e.path().filename());
    EXPECT_EQ(left, (std::set<std::string>{"index.tmb", "kept"}));
    EXPECT_TRUE(Bytes("index.tmb").empty());
    int32_t x = 0, y = 0;
    EXPECT_EQ(ezo::FindThumbnail(program.thumbnailStore, u"a.jpg", 10, x, y), -1);
}

constexpr int kPictures = 30;  // for the kill test
constexpr int kKills = 24;

std::vector<uint8_t> ColourOf(int i) { return {uint8_t(8 * i), uint8_t(255 - 8 * i), uint8_t(i % 2 ? 200 : 40)}; }

// One pass over every picture, in a child process that is killed.
[[noreturn]] void PassInChild(const std::vector<ezo::PassEntry>& entries) {
    ezo::ThumbnailStore store;
    ezo::OpenThumbnailStore(store);
    ezo::ThumbnailPassState pass;
    ezo::ThumbnailJob job{u"\\", entries, nullptr, &store, &pass};
    ezo::GenerateThumbnails(job);
    _exit(0);
}

// After each kill every record names a complete file of the right picture, or
// still the damaged file the test left for the next pass to write again.
// Small pictures keep the decodes short, so many kills land mid-write.
TEST_F(StoreTest, KilledPassesLeaveOnlyRecordsOfCompleteFiles) {
    jpeg_test::DeviceFolder pictures;
    std::vector<ezo::PassEntry> entries;
    for (int i = 0; i < kPictures; ++i) {
        const std::string name = "c" + std::to_string(i) + ".jpg";
        pictures.Write(name, jpeg_test::Samples(320, 240, JCS_RGB, ColourOf(i)));
        entries.push_back({std::u16string(name.begin(), name.end()), pictures.ReadBytes(name).size(), ezo::Jpg, i});
    }
    std::mt19937 random(20261207);
    size_t recordsSeen = 0;
    std::map<int32_t, std::vector<uint8_t>> damaged;  // by number: what the test left there
    for (int kill = 0; kill < kKills; ++kill) {
        if (kill % 6 == 0) {  // start over now and then, so kills also land in new records
            std::filesystem::remove_all(Folder());
            std::filesystem::create_directories(Folder());
            damaged.clear();
        }
        const pid_t child = fork();
        ASSERT_GE(child, 0);
        if (child == 0) PassInChild(entries);
        usleep(useconds_t(random() % 15000));
        ::kill(child, SIGKILL);
        int status = 0;
        waitpid(child, &status, 0);

        ezo::ThumbnailStore store;
        ezo::OpenThumbnailStore(store);
        recordsSeen += store.records.size();
        for (const ezo::ThumbIndexRecord& record : store.records) {
            SCOPED_TRACE(testing::Message() << "kill " << kill << ", record " << record.number);
            const std::string name = "ezo" + std::to_string(record.number) + ".ezo";
            const std::vector<uint8_t> file = Bytes(name);
            if (damaged.count(record.number) && file == damaged[record.number]) continue;  // not reached yet
            ASSERT_GE(file.size(), 4u);
            EXPECT_EQ(file[file.size() - 2], 0xFF);  // ends with its end-of-image marker
            EXPECT_EQ(file[file.size() - 1], 0xD9);
            ezo::ReducedJpegDecode decode(ezo::ThumbnailFileName(record.number), nullptr);
            gdi::BitmapPtr thumbnail;
            ASSERT_TRUE(decode.Decode(decode.fileSize(), thumbnail));
            ASSERT_EQ(thumbnail->width(), 64);
            ASSERT_EQ(thumbnail->height(), 48);
            const int picture = std::stoi(std::string(record.name.begin() + 1, record.name.end() - 4));
            const gdi::Rgb centre = gdi::ReadPixel<24>(thumbnail->row(24) + 32 * 3);
            EXPECT_NEAR(centre.r, ColourOf(picture)[0], 8);
            EXPECT_NEAR(centre.g, ColourOf(picture)[1], 8);
            EXPECT_NEAR(centre.b, ColourOf(picture)[2], 8);
            // Damaged for the next pass, which writes it again in place.
            damaged[record.number] = {file.begin(), file.begin() + long(file.size() / 2)};
            WriteBytes(name, damaged[record.number]);
        }
    }
    EXPECT_GT(recordsSeen, 0u);  // the kills did not all land before the first write
}

}  // namespace
}  // namespace thumbs_test
