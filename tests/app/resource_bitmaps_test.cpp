// The program's bitmaps and icon: sizes, strips cut into distinct images,
// the parts a button shows, and the pixel-map helpers.
#include <gtest/gtest.h>

#include <QImage>

#include <vector>

#include "app/resource_ids.h"
#include "app/resource_pixel_art.h"
#include "app/resource_table.h"
#include "platform/controls/resources.h"

namespace {

using namespace controls;

// The bitmap resource with magenta see-through; null when it does not load.
QImage LoadImage(int id) {
    gdi::BitmapPtr bitmap = LoadBitmap(nullptr, id);
    return bitmap ? ImageFromBitmap(*bitmap) : QImage();
}

int Transparent(const QImage& image, QRect area) {
    int n = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x) n += qAlpha(image.pixel(x, y)) == 0;
    return n;
}

// Two buttons that look alike are a slip in the tables.
void ExpectAllDistinct(const std::vector<QImage>& images) {
    for (size_t i = 0; i < images.size(); ++i)
        for (size_t j = i + 1; j < images.size(); ++j) EXPECT_NE(images[i], images[j]) << i << " and " << j;
}

class ProgramBitmapsTest : public ::testing::Test {
protected:
    void SetUp() override {
        ClearResources();
        ezo::DefineProgramResources();
    }
    void TearDown() override { ClearResources(); }
};

// Each bar image loads at 16 x 16 (a bad row length or a character outside
// the palette would not load), has a see-through part (or it shows as a
// square on the bar) and enough drawn to be seen.
TEST_F(ProgramBitmapsTest, BarImagesLoadDistinctAndLieOnTheBar) {
    std::vector<QImage> images;
    for (int id : {116, 117, 150, 151, 153, 158, 159, 160, 161, 162, 163, 164, 165, 166}) {
        SCOPED_TRACE(id);
        images.push_back(LoadImage(id));
        ASSERT_EQ(images.back().size(), QSize(16, 16));
        const int clear = Transparent(images.back(), images.back().rect());
        EXPECT_GT(clear, 0);
        EXPECT_LT(clear, 16 * 16 * 3 / 4);
    }
    ExpectAllDistinct(images);
    const QImage icon = LoadIcon(nullptr, ezo::IDI_EZO);
    ASSERT_EQ(icon.size(), QSize(32, 32));
    EXPECT_LT(Transparent(icon, icon.rect()), 32 * 32 / 2) << "the icon is mostly picture";
}

TEST_F(ProgramBitmapsTest, StripsCutIntoTheirImages) {
    const struct { int id, imageWidth, count; QRect shown; } cases[] = {
        // Overlay buttons lie on the picture: a solid face each.
        {ezo::IDB_OVERLAY_BUTTONS, ezo::kOverlayImageSize, ezo::kOverlayImageCount, QRect(0, 0, 12, 12)},
        // Split buttons are 7 x 7: the eighth row and column stay clear.
        {ezo::IDB_SPLIT_BUTTONS, ezo::kSplitImageSize, ezo::kSplitImageCount, QRect(0, 0, 7, 7)},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.id);
        const QImage strip = LoadImage(c.id);
        ASSERT_EQ(strip.size(), QSize(c.imageWidth * c.count, c.imageWidth));
        std::vector<QImage> images;
        for (int x = 0; x < strip.width(); x += c.imageWidth) images.push_back(strip.copy(x, 0, c.imageWidth, c.imageWidth));
        for (const QImage& image : images) {
            EXPECT_EQ(Transparent(image, c.shown), 0);
            const int outside = c.imageWidth * c.imageWidth - c.shown.width() * c.shown.height();
            EXPECT_EQ(Transparent(image, image.rect()) - Transparent(image, c.shown), outside);
        }
        ExpectAllDistinct(images);
    }
}

TEST_F(ProgramBitmapsTest, PlaceholderIsThreeDotsOnLightGrey) {
    const QImage image = LoadImage(ezo::IDB_THUMB_PLACEHOLDER);
    ASSERT_EQ(image.size(), QSize(11, 8));
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const bool dot = y == 5 && (x == 2 || x == 5 || x == 8);
            EXPECT_EQ(image.pixel(x, y), dot ? qRgb(0, 0, 0) : qRgb(192, 192, 192)) << x << "," << y;
        }
}

TEST(PixelArtTest, StripsJoinOnlyEquallyHighPictures) {
    const ezo::PixelRows a{"ab", "cd"}, b{"e", "f"}, tall{"g", "h", "i"}, ragged{"jk", "l"}, empty;
    const struct { const char* what; std::vector<const ezo::PixelRows*> pictures; ezo::PixelRows strip; } cases[] = {
        {"two side by side", {&a, &b}, {"abe", "cdf"}},
        {"order kept", {&b, &a}, {"eab", "fcd"}},
        {"heights differ", {&a, &tall}, {}},
        {"ragged rows", {&b, &ragged}, {}},
        {"an empty picture", {&empty}, {}},
        {"nothing", {}, {}},
    };
    for (const auto& c : cases) EXPECT_EQ(ezo::JoinStrip(c.pictures), c.strip) << c.what;
    EXPECT_EQ(ezo::Mirrored({"ab.", "k.w"}), (ezo::PixelRows{".ba", "w.k"}));
    // The program's own colours reach the bitmap.
    gdi::BitmapPtr bitmap = BitmapFromPixelArt(ezo::ProgramArt({"aAs"}));
    ASSERT_TRUE(bitmap);
    EXPECT_NE(ImageFromBitmap(*bitmap).pixel(0, 0), ImageFromBitmap(*bitmap).pixel(1, 0));
}

}  // namespace
