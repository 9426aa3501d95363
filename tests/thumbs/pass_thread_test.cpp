// The pass on its own thread, stopped at any moment and started again where
// it stood. Run under ThreadSanitizer too.
#include <algorithm>
#include <chrono>
#include <thread>

#include "browse/file_list.h"
#include "shell/program.h"
#include "shell/thumbnail_thread.h"
#include "store_fixture.h"
#include "support/jpeg_test_support.h"
#include "thumbs/thumbnail_generator.h"
#include "thumbs/thumbnail_store.h"

namespace thumbs_test {
namespace {

constexpr int kPictures = 12;

class PassThreadTest : public StoreTest {
protected:
    void SetUp() override {
        StoreTest::SetUp();
        for (int i = 0; i < kPictures; ++i)
            pictures_.Write("p" + std::to_string(i) + ".jpg",
                            jpeg_test::Samples(800, 600, JCS_RGB, {uint8_t(20 * i), 100, 50}));
        program_.currentFolder = u"\\";
        program_.fileList.scanPath = u"\\";
        ezo::ScanFolder(program_.fileList);
        ezo::OpenThumbnailStore(program_.thumbnailStore);
        program_.thumbnailPass.procedure = ezo::GenerateThumbnails;
    }

    // Takes what the pass hands over until it has ended; the positions, in
    // the order taken.
    std::vector<int> TakeUntilSettled() {
        std::vector<int> positions;
        const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(30);
        while (!ezo::ThumbnailPassSettled(program_) && std::chrono::steady_clock::now() < end) {
            for (int p : ezo::TakeFinishedThumbnails(program_)) positions.push_back(p);
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
        }
        return positions;
    }

    int WithThumbnail() const {
        int n = 0;
        for (const ezo::FileEntry* e = program_.fileList.head.get(); e; e = e->next.get()) n += e->thumbnail ? 1 : 0;
        return n;
    }

    jpeg_test::DeviceFolder pictures_;
    ezo::Program program_;
};

TEST_F(PassThreadTest, APassStoppedAtAnyMomentKeepsItsWorkAndTheNextGoesOn) {
    program_.shell.browseMode = 0;  // a picture on view stays
    program_.viewState.imageLoaded = 1;
    int before = 0;
    for (int round = 0; round < 20; ++round) {
        ezo::StartThumbnailGenerator(program_);
        std::this_thread::sleep_for(std::chrono::microseconds(700 * (round % 7)));
        if (round % 3 == 0) ezo::TakeFinishedThumbnails(program_);
        ezo::StopThumbnailGenerator(program_);
        ASSERT_TRUE(ezo::ThumbnailPassSettled(program_));
        const int now = WithThumbnail();
        EXPECT_GE(now, before);
        before = now;
    }
    ezo::StartThumbnailGenerator(program_);
    const std::vector<int> positions = TakeUntilSettled();
    ASSERT_TRUE(ezo::ThumbnailPassSettled(program_));
    EXPECT_TRUE(std::is_sorted(positions.begin(), positions.end()));  // from the top
    ezo::StopThumbnailGenerator(program_);
    EXPECT_EQ(WithThumbnail(), kPictures);
    // Each picture was stored once, whenever its pass was stopped.
    EXPECT_EQ(program_.thumbnailStore.records.size(), size_t(kPictures));
    EXPECT_EQ(ezo::ThumbnailStoreHighestNumber(program_), kPictures);
    EXPECT_EQ(program_.viewState.imageLoaded, 1);
}

}  // namespace
}  // namespace thumbs_test
