// A folder of many subfolders: read afresh in a time that grows with the
// count, not with its square, and still in the tree's order.
#include <chrono>
#include <cstdio>

#include "browse_fixture.h"

namespace browse_test {
namespace {

TEST_F(BrowseViewsTest, AFolderOfManySubfoldersIsReadAgainQuicklyInOrder) {
    constexpr int kCount = 1500;
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
    // them again; that once took seconds per thousand.
    const auto start = std::chrono::steady_clock::now();
    Select(many);
    dev().processPending();
    const auto elapsed = std::chrono::steady_clock::now() - start;
    EXPECT_LT(elapsed, std::chrono::seconds(3));
    EXPECT_EQ(ChildTexts(many), expected);
}

}  // namespace
}  // namespace browse_test
