// The thumbnail pass: each picture's thumbnail and what is stored, the shared
// test pictures (hostile ones too), and the pass on its own thread stopped and
// started at any moment, alone and in the real main window (run under TSan too).
#include <algorithm>
#include <array>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <functional>
#include <optional>
#include <sstream>
#include <thread>

#include "browse/file_list.h"
#include "browse_views/browse_fixture.h"
#include "image/jpeg_decoder.h"
#include "image/open_image.h"
#include "platform/gdi/memory_budget.h"
#include "platform/gdi/pixel_format.h"
#include "shell/image_kind.h"
#include "shell/program.h"
#include "shell/resource_ids.h"
#include "shell/thumbnail_pass_state.h"
#include "shell/thumbnail_thread.h"
#include "store_fixture.h"
#include "support/jpeg_test_support.h"
#include "thumbs/make_thumbnail.h"
#include "thumbs/thumbnail_generator.h"
#include "thumbs/thumbnail_store.h"

namespace thumbs_test {
namespace {

const std::vector<uint8_t> kTop{220, 30, 40};
const std::vector<uint8_t> kBottom{20, 60, 230};

class GeneratorTest : public StoreTest {
protected:
    // A picture whose top-left quarter (or so) is kTop and the rest kBottom.
    void Picture(const std::string& name, int32_t width, int32_t height,
                 jpeg_test::Samples::Scans scans = jpeg_test::Samples::Scans::Baseline) {
        jpeg_test::Samples samples(width, height, JCS_RGB, kTop, kBottom);
        samples.band = std::max(1, std::min(width, height) / 2);
        samples.scans = scans;
        pictures_.Write(name, samples);
        entries_.push_back({ezo::PassEntry{std::u16string(name.begin(), name.end()),
                                           std::filesystem::file_size(files::DeviceRoot() + "/" + name), ezo::Jpg,
                                           int(entries_.size())}});
    }

    // Runs one pass over the pictures; what it finished, by list position.
    std::vector<std::optional<ezo::FinishedThumbnail>> Pass() {
        ezo::ThumbnailJob job{u"\\", entries_, nullptr, &store_, &pass_};
        ezo::GenerateThumbnails(job);
        std::vector<std::optional<ezo::FinishedThumbnail>> byPosition(entries_.size());
        for (ezo::FinishedThumbnail& done : pass_.finished) byPosition[size_t(done.position)] = std::move(done);
        pass_.finished.clear();
        return byPosition;
    }

    jpeg_test::DeviceFolder pictures_;
    std::vector<ezo::PassEntry> entries_;
    ezo::ThumbnailStore store_;
    ezo::ThumbnailPassState pass_;
};

gdi::Rgb PixelOf(const gdi::Bitmap& bitmap, int32_t x, int32_t y) {
    return gdi::ReadPixelAt(bitmap.row(y) + size_t(x) * size_t(bitmap.bitsPerPixel() / 8), bitmap.bitsPerPixel());
}

void ExpectNear(gdi::Rgb got, const std::vector<uint8_t>& want) {
    EXPECT_NEAR(got.r, want[0], 12);
    EXPECT_NEAR(got.g, want[1], 12);
    EXPECT_NEAR(got.b, want[2], 12);
}

TEST_F(GeneratorTest, EachPictureGetsItsSizeOffsetsAndColoursAndLargeOnesAreStored) {
    const struct {
        const char* name;
        int32_t width, height;
        int32_t thumbWidth, thumbHeight, left, top;
        int32_t stored;  // its number, 0 when not stored
    } cases[] = {
        {"wide.jpg", 640, 480, 64, 48, 0, 6, 1},  {"tall.jpg", 480, 640, 45, 60, 10, 0, 2},
        {"small.jpg", 200, 150, 64, 48, 0, 6, 0}, {"square.jpg", 300, 300, 60, 60, 3, 0, 0},
        {"fits.jpg", 50, 40, 50, 40, 7, 10, 0},   {"just.jpg", 65, 60, 64, 59, 0, 0, 0},
        {"strip.jpg", 1000, 10, 0, 0, 0, 0, 0},   {"big.jpg", 2000, 1500, 64, 48, 0, 6, 3},
        {"progressive.jpg", 2000, 1500, 64, 48, 0, 6, 4},
    };
    for (const auto& c : cases)
        Picture(c.name, c.width, c.height,
                std::string(c.name) == "progressive.jpg" ? jpeg_test::Samples::Scans::Progressive
                                                         : jpeg_test::Samples::Scans::Baseline);
    ezo::OpenThumbnailStore(store_);
    const auto finished = Pass();
    for (size_t i = 0; i < std::size(cases); ++i) {
        const auto& c = cases[i];
        SCOPED_TRACE(c.name);
        if (c.thumbWidth == 0) {
            EXPECT_FALSE(finished[i]);
            continue;
        }
        ASSERT_TRUE(finished[i]);
        const gdi::Bitmap& thumbnail = *finished[i]->bitmap;
        EXPECT_EQ((std::array{thumbnail.width(), thumbnail.height(), finished[i]->thumbLeft, finished[i]->thumbTop}),
                  (std::array{c.thumbWidth, c.thumbHeight, c.left, c.top}));
        // Unscaled copies cannot be stored: they are the screen's kind.
        EXPECT_EQ(thumbnail.programVisible(), c.width > 64 || c.height > 60);
        ExpectNear(PixelOf(thumbnail, 0, 0), kTop);
        ExpectNear(PixelOf(thumbnail, thumbnail.width() - 1, thumbnail.height() - 1), kBottom);
        if (!c.stored) continue;
        // The stored file: the same picture, the top row first.
        ezo::ReducedJpegDecode stored(ezo::ThumbnailFileName(c.stored), nullptr);
        ASSERT_TRUE(stored.opened());
        EXPECT_EQ(stored.fileSize(), (ezo::JpegSize{c.thumbWidth, c.thumbHeight}));
        gdi::BitmapPtr decoded;
        ASSERT_TRUE(stored.Decode(stored.fileSize(), decoded));
        ExpectNear(PixelOf(*decoded, 0, 0), kTop);
        ExpectNear(PixelOf(*decoded, c.thumbWidth - 1, c.thumbHeight - 1), kBottom);
    }
    EXPECT_EQ(store_.highestNumber, 4);
    EXPECT_EQ(Bytes("index.tmb").size(), 5u * 540);
}

TEST_F(GeneratorTest, TheNextVisitTakesStoredThumbnailsAndRemakesDamagedOnes) {
    Picture("a.jpg", 640, 480);
    Picture("b.jpg", 480, 640);
    ezo::OpenThumbnailStore(store_);
    Pass();
    // a.jpg's picture is gone: only the store can give its thumbnail. b.jpg's
    // stored file is cut short: it is made again and written whole.
    std::filesystem::remove(files::DeviceRoot() + "/a.jpg");
    const std::vector<uint8_t> whole = Bytes("ezo2.ezo");
    WriteBytes("ezo2.ezo", {whole.begin(), whole.begin() + long(whole.size() / 2)});
    ezo::OpenThumbnailStore(store_);
    const auto finished = Pass();
    ASSERT_TRUE(finished[0] && finished[1]);
    // The platform decoder's 16 bits, at the stored offsets.
    EXPECT_EQ((std::array{finished[0]->bitmap->bitsPerPixel(), finished[0]->bitmap->height(), finished[0]->thumbTop}),
              (std::array{16, 48, 6}));
    ExpectNear(PixelOf(*finished[0]->bitmap, 0, 0), kTop);
    EXPECT_EQ(finished[1]->bitmap->bitsPerPixel(), 24);  // made again
    EXPECT_EQ(finished[1]->thumbLeft, 10);
    EXPECT_EQ(Bytes("ezo2.ezo").size(), whole.size());
    EXPECT_EQ(store_.highestNumber, 2);
}

TEST_F(GeneratorTest, WithTheStoreOffThumbnailsAreMadeAndNothingIsWritten) {
    Picture("a.jpg", 640, 480);
    std::filesystem::remove_all(Folder());
    ezo::OpenThumbnailStore(store_);
    const auto finished = Pass();
    ASSERT_TRUE(finished[0]);
    EXPECT_EQ(finished[0]->bitmap->width(), 64);
    EXPECT_FALSE(std::filesystem::exists(Folder()));
}

TEST_F(StoreTest, SharedTestPicturesGetTheirThumbnailOrNone) {
    std::ifstream manifest(std::string(EZO_TESTDATA) + "/MANIFEST.tsv");
    if (!manifest) GTEST_SKIP() << "no shared test pictures at " << EZO_TESTDATA;
    const gdi::ScopedMemoryBudget budget(64 << 20);
    files::SetDeviceRoot(EZO_TESTDATA);
    ezo::ThumbnailStore store;
    ezo::OpenThumbnailStore(store);
    ezo::ThumbnailPassState pass;
    ezo::ThumbnailJob job{u"\\", {}, nullptr, &store, &pass};
    std::vector<std::vector<std::string>> rows;  // file, format, variant, expected, width, height
    std::string line;
    for (std::getline(manifest, line); std::getline(manifest, line);) {
        std::istringstream fields(line);
        std::vector<std::string>& row = rows.emplace_back(6);
        for (std::string& field : row) std::getline(fields, field, '\t');
        const uint32_t kind = row[1] == "bmp" ? ezo::Bmp : row[1] == "gif" ? ezo::Gif : ezo::Jpg;
        job.entries.push_back({jpeg_test::DevicePath(row[0]),
                               std::filesystem::file_size(std::string(EZO_TESTDATA) + "/" + row[0]), kind,
                               int(job.entries.size())});
    }
    ezo::GenerateThumbnails(job);
    files::SetDeviceRoot("");
    std::vector<const ezo::FinishedThumbnail*> byPosition(rows.size());
    for (const ezo::FinishedThumbnail& done : pass.finished) byPosition[size_t(done.position)] = &done;
    for (size_t i = 0; i < rows.size(); ++i) {
        SCOPED_TRACE(rows[i][0]);
        if (rows[i][3] == "reject") { EXPECT_EQ(byPosition[i], nullptr); }
        if (rows[i][3] != "decode") continue;
        const auto layout = ezo::LayoutThumbnail(std::stoi(rows[i][4]), std::stoi(rows[i][5]));
        ASSERT_EQ(byPosition[i] != nullptr, layout.has_value());
        if (!layout) continue;
        const ezo::FinishedThumbnail& done = *byPosition[i];
        EXPECT_EQ((std::array{done.bitmap->width(), done.bitmap->height(), done.thumbLeft, done.thumbTop}),
                  (std::array{layout->width, layout->height, layout->thumbLeft, layout->thumbTop}));
    }
}

constexpr int kPictures = 12;

// Takes what the pass hands over until it has ended, running turn before
// each take; the positions, in the order taken.
std::vector<int> TakeUntilSettled(ezo::Program& program, const std::function<void()>& turn = [] {}) {
    std::vector<int> positions;
    const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(30);
    while (!ezo::ThumbnailPassSettled(program) && std::chrono::steady_clock::now() < end) {
        turn();
        for (int p : ezo::TakeFinishedThumbnails(program)) positions.push_back(p);
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    return positions;
}

int WithThumbnail(const ezo::Program& program) {
    int n = 0;
    for (const ezo::FileEntry* e = program.fileList.head.get(); e; e = e->next.get()) n += e->thumbnail ? 1 : 0;
    return n;
}

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
        const int now = WithThumbnail(program_);
        EXPECT_GE(now, before);
        before = now;
    }
    ezo::StartThumbnailGenerator(program_);
    const std::vector<int> positions = TakeUntilSettled(program_);
    ASSERT_TRUE(ezo::ThumbnailPassSettled(program_));
    EXPECT_TRUE(std::is_sorted(positions.begin(), positions.end()));  // from the top
    ezo::StopThumbnailGenerator(program_);
    EXPECT_EQ(WithThumbnail(program_), kPictures);
    // Each picture was stored once, whenever its pass was stopped.
    EXPECT_EQ(program_.thumbnailStore.records.size(), size_t(kPictures));
    EXPECT_EQ(ezo::ThumbnailStoreHighestNumber(program_), kPictures);
    EXPECT_EQ(program_.viewState.imageLoaded, 1);
}

class ChurnTest : public browse_test::BrowseViewsTest {
protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        std::filesystem::create_directories(files::ThumbnailFolder());  // the store is on
        for (const char* folder : {"A", "B"}) {
            MakeFolder(folder);
            for (int i = 0; i < 6; ++i)
                pictures_->Write(std::string(folder) + "/" + std::to_string(i) + ".jpg",
                                 jpeg_test::Samples(640 + 16 * i, 480, JCS_RGB, {uint8_t(30 * i), 90, 160}));
        }
        Start();
    }
    void SelectFolder(const char* path) {
        Select(Item(browse_test::U16(path)));
        dev().processPending();
    }
};

// Folders changed, pictures opened, the store emptied and the window closed,
// each while a pass runs.
TEST_F(ChurnTest, EveryWayOfInterruptingAPassLeavesTheGridFillable) {
    using namespace ezo;
    SelectFolder("\\A");
    device::SendMessage(window_, device::WM_COMMAND, IDM_TO_THUMBNAILS, 0);
    ASSERT_EQ(program().shell.thumbViewActive, 1);
    for (int round = 0; round < 6; ++round) {
        SelectFolder(round % 2 ? "\\A" : "\\B");
        ASSERT_EQ(OpenImageForView(window_, browse_test::U16("\\A\\1.jpg"), Jpg, 0), 1);
        device::SendMessage(window_, device::WM_COMMAND, IDM_BACK_TO_BROWSE, 0);
        dev().processPending();
        if (round % 3 == 2) EmptyThumbnailStore(program());
    }
    SelectFolder("\\B");
    TakeUntilSettled(program(), [&] { dev().processPending(); });
    ASSERT_TRUE(ThumbnailPassSettled(program()));
    EXPECT_EQ(WithThumbnail(program()), 6);
    EXPECT_GE(ThumbnailStoreHighestNumber(program()), 6);
    // Closing with a pass under way.
    SelectFolder("\\A");
    device::DestroyWindow(window_);
    window_ = nullptr;
}

}  // namespace
}  // namespace thumbs_test
