// A folder of many subfolders is read afresh in the tree's order, on
// expanding and on selecting it expanded (bench_folder_tree measures the time).
#include <cstdio>

#include "browse_fixture.h"

namespace browse_test {
namespace {

TEST_F(BrowseViewsTest, AFolderOfManySubfoldersIsReadAgainInOrder) {
    constexpr int kCount = 300;
    Texts expected;
    for (int i = 0; i < kCount; ++i) {
        char name[32];
        // Mixed case, made in an order unlike the sorted one.
        std::snprintf(name, sizeof name, "%s %04d", i % 2 ? "sub" : "Sub", (i * 7919) % 10000);
        MakeFolder(std::string("Many/") + name);
        expected.push_back(U16(name));
    }
    std::sort(expected.begin(), expected.end(), [](const std::u16string& a, const std::u16string& b) {
        return controls::CompareItemText(a, b) < 0;
    });
    Start();
    const HTREEITEM many = Item(u"\\Many");
    ASSERT_TRUE(many);
    Expand(many, controls::TVE_EXPAND);
    ASSERT_EQ(ChildTexts(many), expected);
    // Selecting the expanded folder deletes its children on view and reads
    // them again.
    Select(many);
    dev().processPending();
    EXPECT_EQ(ChildTexts(many), expected);
}

}  // namespace
}  // namespace browse_test
