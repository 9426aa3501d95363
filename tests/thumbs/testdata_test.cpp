// The shared test pictures, damaged and hostile ones among them, in folders
// shown as thumbnails under a small memory budget: each gets the thumbnail
// its manifest row promises, or none, and the pass goes on to the next.
#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "platform/gdi/memory_budget.h"
#include "shell/image_kind.h"
#include "store_fixture.h"
#include "thumbs/make_thumbnail.h"
#include "thumbs/thumbnail_generator.h"
#include "thumbs/thumbnail_store.h"

namespace thumbs_test {
namespace {

struct Row {
    std::string file, format, expected;
    int32_t width = 0, height = 0;
};

// Columns: file, format, variant, expected, width, height, ...
std::vector<Row> ReadManifest() {
    std::ifstream manifest(std::string(EZO_TESTDATA) + "/MANIFEST.tsv");
    std::vector<Row> rows;
    std::string line, variant, width, height;
    for (std::getline(manifest, line); std::getline(manifest, line);) {
        std::istringstream fields(line);
        Row row;
        for (std::string* field : {&row.file, &row.format, &variant, &row.expected, &width, &height})
            std::getline(fields, *field, '\t');
        if (row.expected == "decode") row.width = std::stoi(width), row.height = std::stoi(height);
        rows.push_back(row);
    }
    return rows;
}

TEST_F(StoreTest, SharedTestPicturesGetTheirThumbnailOrNone) {
    const std::vector<Row> rows = ReadManifest();
    if (rows.empty()) GTEST_SKIP() << "no shared test pictures at " << EZO_TESTDATA;
    const gdi::ScopedMemoryBudget budget(64 << 20);
    files::SetDeviceRoot(EZO_TESTDATA);
    ezo::ThumbnailStore store;
    ezo::OpenThumbnailStore(store);
    ezo::ThumbnailPassState pass;
    ezo::ThumbnailJob job{u"\\", {}, nullptr, &store, &pass};
    for (const Row& row : rows) {
        const uint32_t kind = row.format == "bmp" ? ezo::Bmp : row.format == "gif" ? ezo::Gif : ezo::Jpg;
        std::u16string name(row.file.begin(), row.file.end());
        std::replace(name.begin(), name.end(), u'/', u'\\');
        job.entries.push_back({name,
                               std::filesystem::file_size(std::string(EZO_TESTDATA) + "/" + row.file), kind,
                               int(job.entries.size())});
    }
    ezo::GenerateThumbnails(job);
    files::SetDeviceRoot("");
    std::vector<const ezo::FinishedThumbnail*> byPosition(rows.size());
    for (const ezo::FinishedThumbnail& done : pass.finished) byPosition[size_t(done.position)] = &done;
    for (size_t i = 0; i < rows.size(); ++i) {
        SCOPED_TRACE(rows[i].file);
        if (rows[i].expected == "reject") {
            EXPECT_EQ(byPosition[i], nullptr);
        }
        if (rows[i].expected != "decode") continue;
        const std::optional<ezo::ThumbnailLayout> layout = ezo::LayoutThumbnail(rows[i].width, rows[i].height);
        ASSERT_EQ(byPosition[i] != nullptr, layout.has_value());
        if (!layout) continue;
        EXPECT_EQ(byPosition[i]->bitmap->width(), layout->width);
        EXPECT_EQ(byPosition[i]->bitmap->height(), layout->height);
        EXPECT_EQ(byPosition[i]->thumbLeft, layout->thumbLeft);
        EXPECT_EQ(byPosition[i]->thumbTop, layout->thumbTop);
    }
}

}  // namespace
}  // namespace thumbs_test
