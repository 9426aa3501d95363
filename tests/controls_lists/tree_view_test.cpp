#include "lists_fixture.h"

namespace lists_test {
namespace {

constexpr int kTreeId = 1003;
constexpr int kParentTop = 26;  // the parent's screen y

class TreeTest : public ListsTest {
protected:
    void SetUp() override {
        ListsTest::SetUp();
        tree_ = Make(u"SysTreeView32", TVS_HASBUTTONS | TVS_HASLINES | TVS_LINESATROOT | TVS_SHOWSELALWAYS, 0, 0, 240,
                     150, kTreeId);
        ASSERT_TRUE(tree_);
    }
    gdi::RECT Rect(HTREEITEM item, bool label) {
        gdi::RECT r;
        std::memcpy(static_cast<void*>(&r), &item, sizeof item);
        EXPECT_TRUE(Send(tree_, TVM_GETITEMRECT, label, reinterpret_cast<device::LPARAM>(&r)));
        return r;
    }
    // Taps the middle of the item's label, or its expand button.
    void TapLabel(HTREEITEM item) {
        const gdi::RECT r = Rect(item, true);
        Tap(r.left + 4, kParentTop + (r.top + r.bottom) / 2);
    }
    void TapButton(HTREEITEM item) {
        const gdi::RECT r = Rect(item, true);
        Tap(r.left - 6, kParentTop + (r.top + r.bottom) / 2);
    }
    HTREEITEM Next(uint32_t code, HTREEITEM from = nullptr) {
        return reinterpret_cast<HTREEITEM>(Send(tree_, TVM_GETNEXTITEM, code, reinterpret_cast<device::LPARAM>(from)));
    }
    device::LRESULT OnItem(uint32_t msg, device::WPARAM wParam, HTREEITEM item) {
        return Send(tree_, msg, wParam, reinterpret_cast<device::LPARAM>(item));
    }
    bool Expanded(HTREEITEM item) {
        TVITEMW state{.mask = TVIF_STATE, .hItem = item, .stateMask = TVIS_EXPANDED};
        Send(tree_, TVM_GETITEMW, 0, reinterpret_cast<device::LPARAM>(&state));
        return state.state & TVIS_EXPANDED;
    }
    HWND tree_ = nullptr;
};

// Sorted: without regard to case, equal texts in their order of arrival.
TEST_F(TreeTest, InsertionPlacesLastOrSorted) {
    HTREEITEM b = InsertItem(tree_, nullptr, u"b", 1, TVI_LAST);
    InsertItem(tree_, nullptr, u"a", 0, TVI_LAST);
    EXPECT_EQ(ChildTexts(tree_, TVI_ROOT), (std::vector<std::u16string>{u"b", u"a"}));
    EXPECT_EQ(InsertItem(tree_, reinterpret_cast<HTREEITEM>(uintptr_t(0x999990)), u"x"), nullptr);
    for (const char16_t* text : {u"x", u"Photos10", u"X", u"PHOTOS1", u"x", u"photos2"}) InsertItem(tree_, b, text);
    EXPECT_EQ(ChildTexts(tree_, b),
              (std::vector<std::u16string>{u"PHOTOS1", u"Photos10", u"photos2", u"x", u"X", u"x"}));
}

TEST_F(TreeTest, ExpandingIsHeardBeforeTheChildrenShow) {
    HTREEITEM root = InsertItem(tree_, nullptr, u"\\", 1);
    struct { const char* how; Events expected; bool expanded; } cases[] = {
        {"tap", {"EXPANDING id=1003 action=2 item=\\ children=0", "EXPANDED id=1003 action=2 item=\\ children=2"}, true},
        {"tap",  // a second tap collapses; the children stay
         {"EXPANDING id=1003 action=1 item=\\ children=2", "EXPANDED id=1003 action=1 item=\\ children=2"}, false},
        {"message", {"EXPANDING id=1003 action=2 item=\\ children=2", "EXPANDED id=1003 action=2 item=\\ children=2"},
         true},
    };
    // The parent refills the children while it hears the expansion, as the folder tree does.
    answer_ = [&](const NMHDR& header) -> device::LRESULT {
        const auto& nm = reinterpret_cast<const NMTREEVIEWW&>(header);
        if (header.code == TVN_ITEMEXPANDINGW && nm.action == TVE_EXPAND) {
            while (HTREEITEM child = Next(TVGN_CHILD, root)) OnItem(TVM_DELETEITEM, 0, child);
            InsertItem(tree_, root, u"b");
            InsertItem(tree_, root, u"A");
        }
        return 0;
    };
    for (const auto& c : cases) {
        Take();
        if (std::string(c.how) == "tap")
            TapButton(root);
        else
            OnItem(TVM_EXPAND, TVE_TOGGLE, root);
        EXPECT_EQ(Take(), c.expected) << c.how;
        EXPECT_EQ(Expanded(root), c.expanded) << c.how;
    }
}

TEST_F(TreeTest, DeletedHandlesAreRefusedAndTheSelectionGoesToTheParent) {
    HTREEITEM root = InsertItem(tree_, nullptr, u"\\", 1);
    HTREEITEM docs = InsertItem(tree_, root, u"Docs", 1);
    HTREEITEM inner = InsertItem(tree_, docs, u"Inner");
    OnItem(TVM_SELECTITEM, TVGN_CARET, inner);
    Take();
    EXPECT_TRUE(OnItem(TVM_DELETEITEM, 0, docs));
    EXPECT_EQ(Take(), (Events{"SELCHANGING id=1003 action=0 old=none new=\\",
                              "SELCHANGED id=1003 action=0 old=none new=\\"}));
    for (HTREEITEM gone : {docs, inner}) {
        EXPECT_FALSE(OnItem(TVM_DELETEITEM, 0, gone));
        EXPECT_EQ(ItemText(tree_, gone), u"");
        EXPECT_EQ(Next(TVGN_NEXT, gone), nullptr);
        EXPECT_EQ(Next(TVGN_PARENT, gone), nullptr);
    }
    EXPECT_EQ(Next(TVGN_ROOT), root);
    EXPECT_EQ(Next(TVGN_CHILD, root), nullptr);
    TVITEMW noBuffer{.mask = TVIF_TEXT, .hItem = root, .cchTextMax = 260};  // a text asked for without a buffer
    EXPECT_TRUE(Send(tree_, TVM_GETITEMW, 0, reinterpret_cast<device::LPARAM>(&noBuffer)));
    EXPECT_EQ(Send(tree_, TVM_GETCOUNT), 1);
}

TEST_F(TreeTest, ParentMayDestroyTheTreeWhileHearingASelection) {
    HTREEITEM a = InsertItem(tree_, nullptr, u"a");
    answer_ = [&](const NMHDR& header) -> device::LRESULT {
        if (header.code == TVN_SELCHANGEDW) device::DestroyWindow(tree_);
        return 0;
    };
    TapLabel(a);
    EXPECT_FALSE(device::IsWindow(tree_));
    dev().advance(100);
}

}  // namespace
}  // namespace lists_test
