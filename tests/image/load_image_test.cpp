// The loading front door: the slot, the facts recorded with a picture, the
// large-image bounds and the fit zoom, and the probe.
#include <gtest/gtest.h>

#include "browse/file_list.h"
#include "image/decoded_image.h"
#include "image/image_kind.h"
#include "image/view_state.h"
#include "jpeg_test_support.h"
#include "platform/gdi/memory_budget.h"

namespace ezo {
namespace {

using jpeg_test::Uniform;

TEST(LargeImage, BoundsOfEachDecoder) {
    struct Case {
        LargeBounds bounds;
        int32_t width, height;
        bool large;
    };
    const Case cases[] = {
        {LargeBounds::Jpeg, 660, 850, false},     {LargeBounds::Jpeg, 661, 850, true},
        {LargeBounds::Jpeg, 660, 851, true},      {LargeBounds::Jpeg, 1, 1, false},
        {LargeBounds::Platform, 660, 857, false}, {LargeBounds::Platform, 660, 858, true},
        {LargeBounds::Platform, 661, 10, true},   {LargeBounds::Platform, 65535, 65535, true},
    };
    for (const Case& c : cases)
        EXPECT_EQ(IsLargeImage(c.bounds, c.width, c.height), c.large)
            << (c.bounds == LargeBounds::Jpeg ? "jpeg " : "platform ") << c.width << "x" << c.height;
}

TEST(LargeImage, FitZoomFitsTheBindingSide) {
    struct Case {
        int32_t width, height;
        float zoom;
    };
    const Case cases[] = {
        {1000, 500, 0.22f},
        {500, 1000, 0.28f},
        {2200, 2800, 0.1f},  // exactly the box's shape: the height decides
        {661, 850, float(280.0 / 850)},
        {700, 850, float(220.0 / 700)},
        {660, 851, float(280.0 / 851)},
    };
    for (const Case& c : cases) EXPECT_FLOAT_EQ(ComputeFitZoom(c.width, c.height), c.zoom) << c.width << "x" << c.height;
    EXPECT_EQ(ComputeFitZoom(1000, 500), 0.22f);
    EXPECT_EQ(ComputeFitZoom(500, 1000), 0.28f);
}

class LoadImageTest : public ::testing::Test {
protected:
    void SetUp() override { jpeg_test::ResetSlot(); }
    void TearDown() override { jpeg_test::ResetSlot(); }

    jpeg_test::DeviceFolder folder;
    jpeg_test::CountingBackend backend;
};

TEST_F(LoadImageTest, SuccessRecordsPathAndFacts) {
    struct Case {
        const char* name;
        int32_t width, height;
        uint32_t kind;
        int large;
        float fitZoom;
    };
    const Case cases[] = {
        {"wide.jpg", 661, 8, Jpg, 1, ComputeFitZoom(661, 8)},
        // Not large: fitZoom keeps the value of the picture before.
        {"small.jpeg", 8, 8, Jpeg, 0, ComputeFitZoom(661, 8)},
        {"tall.jpg", 8, 851, Jpg, 1, ComputeFitZoom(8, 851)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        viewState.landscapeApplied = 1;
        viewState.imageLoaded = 0;
        const auto path = folder.Write(c.name, Uniform(c.width, c.height, JCS_RGB, {5, 5, 5}));
        ASSERT_EQ(LoadImageFile(nullptr, path, c.kind), 1);
        EXPECT_EQ(fileList.scanPath, path);
        EXPECT_EQ(viewState.imageLoaded, 1);
        EXPECT_EQ(viewState.landscapeApplied, 0);
        EXPECT_EQ(viewState.isLarge, c.large);
        EXPECT_EQ(viewState.fitZoom, c.fitZoom);
        EXPECT_EQ(viewState.currentImage->width(), c.width);
    }
    EXPECT_EQ(backend.taken, backend.released);
}

TEST_F(LoadImageTest, TheOldPictureGoesBeforeTheNewOneIsDecoded) {
    // Room for one 400 x 300 picture (360 000 bytes) but not two: if the
    // first were still held, the second would come out shrunk.
    gdi::ScopedMemoryBudget budget(500'000);
    const auto first = folder.Write("first.jpg", Uniform(400, 300, JCS_RGB, {1, 2, 3}));
    const auto second = folder.Write("second.jpg", Uniform(400, 300, JCS_RGB, {4, 5, 6}));
    ASSERT_EQ(LoadImageFile(nullptr, first, Jpg), 1);
    ASSERT_EQ(LoadImageFile(nullptr, second, Jpg), 1);
    EXPECT_EQ(viewState.currentImage->width(), 400);
    EXPECT_EQ(viewState.currentImage->height(), 300);
    EXPECT_EQ(gdi::MemoryInUse(), viewState.currentImage->byteSize());
}

TEST_F(LoadImageTest, FailureKeepsPathAndFlagButNotThePicture) {
    const auto good = folder.Write("good.jpg", Uniform(16, 16, JCS_RGB, {1, 2, 3}));
    ASSERT_EQ(LoadImageFile(nullptr, good, Jpg), 1);
    const auto bad = folder.WriteBytes("bad.jpg", {0xFF, 0xD8, 0xFF, 0xD9});
    for (const std::u16string& path : {bad, jpeg_test::DevicePath("missing.jpg")}) {
        EXPECT_EQ(LoadImageFile(nullptr, path, Jpg), 0);
        EXPECT_EQ(viewState.currentImage, nullptr);
        EXPECT_EQ(fileList.scanPath, good);
        EXPECT_EQ(viewState.imageLoaded, 1);
        ASSERT_EQ(LoadImageFile(nullptr, good, Jpg), 1);
    }
}

TEST_F(LoadImageTest, OtherKindsAreNotTakenByTheJpegDecoder) {
    const auto path = folder.Write("photo.jpg", Uniform(16, 16, JCS_RGB, {1, 2, 3}));
    ASSERT_EQ(LoadImageFile(nullptr, path, Jpg), 1);
    const gdi::Bitmap* held = viewState.currentImage.get();
    for (uint32_t kind : {uint32_t(Bmp), uint32_t(Gif)}) {
        EXPECT_EQ(LoadImageFile(nullptr, path, kind), 0);
        EXPECT_EQ(viewState.currentImage.get(), held);
        int32_t w = -1, h = -1, third = -1;
        EXPECT_EQ(ProbeImageFile(nullptr, path, kind, w, h, third), 0);
        EXPECT_EQ(w, -1);
    }
    int32_t w = -1, h = -1, third = -1;
    ASSERT_EQ(ProbeImageFile(nullptr, path, Jpeg, w, h, third), 1);
    EXPECT_EQ(w, 16);
    EXPECT_EQ(h, 16);
    EXPECT_EQ(third, JCS_YCbCr);
}

}  // namespace
}  // namespace ezo
