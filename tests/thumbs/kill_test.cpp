// Passes killed at random moments: after each kill, every record of the
// index names a complete thumbnail file of the right picture, or still the
// damaged file the test left for the pass to write again. Small pictures
// keep the decodes short, so many kills land in the middle of a write.
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <map>
#include <random>

#include "image/jpeg_decoder.h"
#include "platform/gdi/pixel_format.h"
#include "shell/image_kind.h"
#include "store_fixture.h"
#include "support/jpeg_test_support.h"
#include "thumbs/thumbnail_generator.h"
#include "thumbs/thumbnail_store.h"

namespace thumbs_test {
namespace {

constexpr int kPictures = 30;
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
