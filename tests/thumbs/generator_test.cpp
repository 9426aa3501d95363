// The pass run on the test's thread: what each picture's thumbnail looks
// like, where it sits, and what goes into the store.
#include <filesystem>
#include <optional>

#include "image/jpeg_decoder.h"
#include "platform/gdi/pixel_format.h"
#include "shell/image_kind.h"
#include "shell/thumbnail_pass_state.h"
#include "store_fixture.h"
#include "support/jpeg_test_support.h"
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
    std::filesystem::create_directories(Folder());
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
        EXPECT_EQ(thumbnail.width(), c.thumbWidth);
        EXPECT_EQ(thumbnail.height(), c.thumbHeight);
        EXPECT_EQ(finished[i]->thumbLeft, c.left);
        EXPECT_EQ(finished[i]->thumbTop, c.top);
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
    EXPECT_EQ(finished[0]->bitmap->bitsPerPixel(), 16);  // the platform decoder's
    EXPECT_EQ(finished[0]->bitmap->height(), 48);
    EXPECT_EQ(finished[0]->thumbTop, 6);
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

}  // namespace
}  // namespace thumbs_test
