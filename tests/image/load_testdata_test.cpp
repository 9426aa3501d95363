// Every JPEG of the shared test pictures, against its manifest row: decode
// rows load at their size, reject rows fail, either rows may do either, and
// none crashes or hangs.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "image/decoded_image.h"
#include "image/image_kind.h"
#include "image/view_state.h"
#include "jpeg_test_support.h"

namespace ezo {
namespace {

struct ManifestRow {
    std::string file;
    std::string expected;  // decode, reject or either
    int32_t width = 0;
    int32_t height = 0;
};

std::vector<ManifestRow> JpegRows(const std::string& manifest) {
    std::vector<ManifestRow> rows;
    std::ifstream in(manifest);
    std::string line;
    std::getline(in, line);  // column names
    while (std::getline(in, line)) {
        std::vector<std::string> cells;
        std::istringstream fields(line);
        for (std::string cell; std::getline(fields, cell, '\t');) cells.push_back(cell);
        if (cells.size() < 6 || cells[1] != "jpeg") continue;
        ManifestRow row{cells[0], cells[3]};
        if (cells[4] != "-") row.width = std::stoi(cells[4]);
        if (cells[5] != "-") row.height = std::stoi(cells[5]);
        rows.push_back(row);
    }
    return rows;
}

TEST(LoadTestdata, EveryJpegIsLoadedOrRefusedAsListed) {
    const std::string folder = EZO_TESTDATA;
    if (!std::filesystem::is_regular_file(folder + "/MANIFEST.tsv")) GTEST_SKIP() << "no test pictures";
    const std::vector<ManifestRow> rows = JpegRows(folder + "/MANIFEST.tsv");
    ASSERT_GE(rows.size(), 30u);

    jpeg_test::ScopedDeviceRoot root(folder);
    jpeg_test::CountingBackend backend;
    for (const ManifestRow& row : rows) {
        SCOPED_TRACE(row.file);
        jpeg_test::ResetSlot();
        const std::u16string path = jpeg_test::DevicePath(row.file);
        const int loaded = LoadImageFile(nullptr, path, Jpg);
        if (row.expected == "decode") {
            ASSERT_EQ(loaded, 1);
            const gdi::Bitmap& image = *viewState.currentImage;
            EXPECT_EQ(image.width(), row.width);
            EXPECT_EQ(image.height(), row.height);
            EXPECT_EQ(image.bitsPerPixel(), 24);
            EXPECT_TRUE(image.bottomUp());
            int32_t width = 0, height = 0, space = 0;
            EXPECT_EQ(ProbeImageFile(nullptr, path, Jpg, width, height, space), 1);
            EXPECT_EQ(width, row.width);
            EXPECT_EQ(height, row.height);
        } else if (row.expected == "reject") {
            EXPECT_EQ(loaded, 0);
        } else if (loaded) {
            EXPECT_LE(viewState.currentImage->width(), row.width);
            EXPECT_LE(viewState.currentImage->height(), row.height);
        }
        EXPECT_EQ(backend.taken, backend.released);
    }
    jpeg_test::ResetSlot();
    EXPECT_EQ(backend.messages, 0);
}

}  // namespace
}  // namespace ezo
