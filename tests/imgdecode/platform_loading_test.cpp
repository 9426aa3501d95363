// BMP and GIF pictures in the viewer's current-image slot: the facts recorded
// with them, what a missing or undecodable file leaves, and a probe.
#include <gtest/gtest.h>

#include "image/decoded_image.h"
#include "picture_files.h"
#include "platform/gdi/memory_budget.h"
#include "shell/image_kind.h"
#include "shell/program.h"
#include "support/jpeg_test_support.h"

namespace ezo {
namespace {

class PlatformLoad : public ::testing::Test {
protected:
    std::u16string WriteBmp(const std::string& name, int32_t width, int32_t height) {
        return folder.WriteBytes(name, imgdecode_test::Bmp24(width, height, [](int32_t, int32_t) { return gdi::Rgb{}; }));
    }
    int Load(const std::u16string& path, uint32_t kind = Bmp) { return LoadImageFile(&window, path, kind); }

    jpeg_test::DeviceFolder folder;
    ProgramWindow window;
    Program& program = window.program;
    ViewState& v = program.viewState;
};

TEST_F(PlatformLoad, LoadRecordsTheBmpGifLargeFacts) {
    const struct { int32_t width, height; int large; } cases[] = {{660, 857, 0}, {661, 100, 1}, {660, 858, 1}};
    for (const auto& c : cases) {
        v.fitZoom = 7.0f;
        v.landscapeApplied = 1;
        const auto path = WriteBmp("p.bmp", c.width, c.height);
        ASSERT_EQ(Load(path), 1);
        EXPECT_EQ(v.currentImage->bitsPerPixel(), 16);
        EXPECT_EQ(v.isLarge, c.large) << c.width << "x" << c.height;
        EXPECT_EQ(v.fitZoom, c.large ? ComputeFitZoom(c.width, c.height) : 7.0f);
        EXPECT_EQ((std::array{v.landscapeApplied, v.imageLoaded}), (std::array{0, 1}));
        EXPECT_EQ(program.fileList.scanPath, path);
    }
}

TEST_F(PlatformLoad, AMissingFileKeepsThePictureAFailedDecodeLeavesNoneAProbeTouchesNothing) {
    const auto first = WriteBmp("a.bmp", 20, 10);
    ASSERT_EQ(Load(first), 1);
    const gdi::Bitmap* shown = v.currentImage.get();
    const uint64_t inUse = gdi::MemoryInUse();
    int32_t width = 0, height = 0, bits = 0;
    ASSERT_EQ(ProbeImageFile(&window, WriteBmp("b.bmp", 33, 17), Bmp, width, height, bits), 1);
    EXPECT_EQ((std::array{width, height, bits}), (std::array{33, 17, 16}));
    EXPECT_EQ(ProbeImageFile(&window, u"\\missing.bmp", Bmp, width, height, bits), 0);
    EXPECT_EQ(width, 33);  // left alone
    EXPECT_EQ(gdi::MemoryInUse(), inUse);

    EXPECT_EQ(Load(u"\\missing.gif", Gif), 0);
    EXPECT_EQ(v.currentImage.get(), shown);
    EXPECT_EQ(Load(folder.WriteBytes("b.gif", {'G', 'I', 'F', '8', '9', 'a', 1, 0}), Gif), 0);
    EXPECT_FALSE(v.currentImage);
    // What the viewer knew of the last picture stays until another loads.
    EXPECT_EQ(program.fileList.scanPath, first);
    EXPECT_EQ(v.imageLoaded, 1);
}

}  // namespace
}  // namespace ezo
