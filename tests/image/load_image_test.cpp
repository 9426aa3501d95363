// The loading front door: the slot and the facts recorded with a picture,
// the large-image bounds and fit zoom, and every shared test JPEG.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "browse/file_list.h"
#include "image/decoded_image.h"
#include "image/image_kind.h"
#include "image/view_state.h"
#include "jpeg_test_support.h"
#include "platform/files/device_paths.h"
#include "platform/gdi/memory_budget.h"

namespace ezo {
namespace {

TEST(LoadImage, LargeBoundsAndFitZoom) {
    const struct { LargeBounds bounds; int32_t width, height; bool large; } cases[] = {
        {LargeBounds::Jpeg, 660, 850, false},     {LargeBounds::Jpeg, 661, 850, true},
        {LargeBounds::Jpeg, 660, 851, true},      {LargeBounds::Platform, 660, 857, false},
        {LargeBounds::Platform, 660, 858, true},  {LargeBounds::Platform, 661, 10, true},
    };
    for (const auto& c : cases) EXPECT_EQ(IsLargeImage(c.bounds, c.width, c.height), c.large) << c.width << "x" << c.height;
    EXPECT_EQ(ComputeFitZoom(1000, 500), 0.22f);
    EXPECT_EQ(ComputeFitZoom(500, 1000), 0.28f);
    EXPECT_EQ(ComputeFitZoom(2200, 2800), 0.1f);  // the box's own shape: the height decides
    EXPECT_EQ(ComputeFitZoom(661, 850), float(280.0 / 850));
}

using LoadImageTest = jpeg_test::SlotTest;

TEST_F(LoadImageTest, SuccessRecordsPathAndFacts) {
    struct Case {
        const char* name;
        int32_t width, height;
        uint32_t kind;
        int large;
        float fitZoom;  // a small picture keeps the one before
    };
    const Case cases[] = {{"wide.jpg", 661, 8, Jpg, 1, ComputeFitZoom(661, 8)},
                          {"small.jpeg", 8, 8, Jpeg, 0, ComputeFitZoom(661, 8)},
                          {"tall.jpg", 8, 851, Jpg, 1, ComputeFitZoom(8, 851)}};
    for (const Case& c : cases) {
        viewState.landscapeApplied = 1;
        viewState.imageLoaded = 0;
        const auto path = folder.Write(c.name, {c.width, c.height, JCS_RGB, {5, 5, 5}});
        ASSERT_EQ(LoadImageFile(nullptr, path, c.kind), 1) << c.name;
        EXPECT_EQ(fileList.scanPath, path);
        EXPECT_EQ((std::array{viewState.imageLoaded, viewState.landscapeApplied, viewState.isLarge}),
                  (std::array{1, 0, c.large})) << c.name;
        EXPECT_EQ(viewState.fitZoom, c.fitZoom) << c.name;
    }
}

TEST_F(LoadImageTest, TheOldPictureGoesBeforeTheNewOneIsDecoded) {
    // Room for one 400 x 300 picture (360 000 bytes), not two: were the
    // first still held, the second would come out shrunk.
    gdi::ScopedMemoryBudget budget(500'000);
    ASSERT_EQ(LoadImageFile(nullptr, folder.Write("first.jpg", {400, 300, JCS_RGB, {1, 2, 3}}), Jpg), 1);
    ASSERT_EQ(LoadImageFile(nullptr, folder.Write("second.jpg", {400, 300, JCS_RGB, {4, 5, 6}}), Jpg), 1);
    EXPECT_EQ(viewState.currentImage->width(), 400);
    EXPECT_EQ(gdi::MemoryInUse(), viewState.currentImage->byteSize());
}

TEST_F(LoadImageTest, FailuresKeepPathAndFlag) {
    const auto good = folder.Write("good.jpg", {16, 16, JCS_RGB, {1, 2, 3}});
    ASSERT_EQ(LoadImageFile(nullptr, good, Jpg), 1);
    const gdi::Bitmap* held = viewState.currentImage.get();
    // BMP and GIF are not the JPEG decoder's: the picture stays.
    for (uint32_t kind : {uint32_t(Bmp), uint32_t(Gif)}) {
        EXPECT_EQ(LoadImageFile(nullptr, good, kind), 0);
        EXPECT_EQ(viewState.currentImage.get(), held);
        int32_t w = -1, h = -1, third = -1;
        EXPECT_EQ(ProbeImageFile(nullptr, good, kind, w, h, third), 0);
        EXPECT_EQ((std::array{w, h, third}), (std::array{-1, -1, -1}));
    }
    // A JPEG that fails takes the old picture with it.
    for (const std::u16string& path : {folder.WriteBytes("bad.jpg", {0xFF, 0xD8, 0xFF, 0xD9}), jpeg_test::DevicePath("none.jpg")}) {
        EXPECT_EQ(LoadImageFile(nullptr, path, Jpg), 0);
        EXPECT_EQ(viewState.currentImage, nullptr);
        EXPECT_EQ(fileList.scanPath, good);
        EXPECT_EQ(viewState.imageLoaded, 1);
        int32_t w = -1, h = -1, third = -1;  // a failed probe writes nothing
        EXPECT_EQ(ProbeImageFile(nullptr, path, Jpg, w, h, third), 0);
        EXPECT_EQ((std::array{w, h, third}), (std::array{-1, -1, -1}));
    }
    int32_t w = -1, h = -1, third = -1;
    ASSERT_EQ(ProbeImageFile(nullptr, good, Jpeg, w, h, third), 1);
    EXPECT_EQ((std::array{w, h, third}), (std::array<int32_t, 3>{16, 16, JCS_YCbCr}));
}

// Every JPEG of the shared test pictures against its manifest row: decode
// rows load at their size, reject rows fail, either rows may do either.
TEST_F(LoadImageTest, EverySharedTestJpegIsLoadedOrRefusedAsListed) {
    const std::string pictures = EZO_TESTDATA;
    std::ifstream manifest(pictures + "/MANIFEST.tsv");
    if (!manifest) GTEST_SKIP() << "no test pictures";
    files::SetDeviceRoot(pictures);  // the folder fixture puts its own root back
    int rows = 0;
    for (std::string line; std::getline(manifest, line);) {
        std::vector<std::string> cell;
        std::istringstream fields(line);
        for (std::string c; std::getline(fields, c, '\t');) cell.push_back(c);
        if (cell.size() < 6 || cell[1] != "jpeg") continue;
        SCOPED_TRACE(cell[0]);
        ++rows;
        const std::u16string path = jpeg_test::DevicePath(cell[0]);
        const int loaded = LoadImageFile(nullptr, path, Jpg);
        if (cell[3] == "reject") {
            EXPECT_EQ(loaded, 0);
        }
        if (cell[3] != "decode") continue;
        ASSERT_EQ(loaded, 1);
        const gdi::Bitmap& image = *viewState.currentImage;
        EXPECT_EQ((std::array{image.width(), image.height(), image.bitsPerPixel()}),
                  (std::array{std::stoi(cell[4]), std::stoi(cell[5]), 24}));
        EXPECT_TRUE(image.bottomUp());
        int32_t w = 0, h = 0, third = 0;
        EXPECT_EQ(ProbeImageFile(nullptr, path, Jpg, w, h, third), 1);
        EXPECT_EQ((std::array{w, h}), (std::array{image.width(), image.height()}));
    }
    EXPECT_GE(rows, 30);
}

}  // namespace
}  // namespace ezo
