#include "lists_fixture.h"

#include "platform/controls/look.h"
#include "platform/device/input.h"

namespace lists_test {
namespace {

constexpr int kListId = 1000;
constexpr int kListTop = 40;  // in the parent
constexpr int kParentTop = 26;
constexpr uint32_t kSelFocus = LVIS_SELECTED | LVIS_FOCUSED;

class ListTest : public ListsTest {
protected:
    void SetUp() override {
        ListsTest::SetUp();
        list_ = Make(u"SysListView32", LVS_REPORT | LVS_SHOWSELALWAYS, 0, kListTop, 240, 200, kListId);
        ASSERT_TRUE(list_);
        Send(list_, LVM_SETEXTENDEDLISTVIEWSTYLE, 0, LVS_EX_FULLROWSELECT);
        InsertColumn(list_, 0, u"Name", 130);
        InsertColumn(list_, 1, u"Type", 50, LVCFMT_CENTER);
        InsertColumn(list_, 2, u"Size", 50, LVCFMT_RIGHT);
        InsertColumn(list_, 3, u"Date", 90);
        for (int i = 0; i < 6; ++i) {
            const std::u16string name = u"pic" + std::u16string(1, char16_t(u'0' + i)) + u".jpg";
            InsertRow(list_, i, name);
            SetText(i, 1, u"JPEG");
        }
        dev().processPending();
        Take();
    }
    void SetText(int row, int column, std::u16string text) {
        LVITEMW item{.iSubItem = column, .pszText = text.data()};
        Send(list_, LVM_SETITEMTEXTW, device::WPARAM(row), reinterpret_cast<device::LPARAM>(&item));
    }
    // The screen point in the middle of a row's first column.
    gdi::POINT RowPoint(int row) {
        gdi::RECT r;
        r.left = LVIR_LABEL;
        EXPECT_TRUE(Send(list_, LVM_GETITEMRECT, device::WPARAM(row), reinterpret_cast<device::LPARAM>(&r)));
        return {r.left + 20, kParentTop + kListTop + (r.top + r.bottom) / 2};
    }
    void TapRow(int row, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        SetStylusModifiers(modifiers);
        const gdi::POINT p = RowPoint(row);
        Tap(p.x, p.y);
        SetStylusModifiers(Qt::NoModifier);
    }
    std::string Changed(int row, uint32_t oldState, uint32_t newState) {
        return "ITEMCHANGED id=1000 row=" + std::to_string(row) + " old=" + std::to_string(oldState) +
               " new=" + std::to_string(newState);
    }
    static std::string At(gdi::POINT p) { return std::to_string(p.x) + "," + std::to_string(p.y); }
    int Mark() { return int(Send(list_, LVM_GETSELECTIONMARK)); }
    HWND list_ = nullptr;
};

TEST_F(ListTest, TapSelectsThenActivatesAndHoldSelectsWithoutActivating) {
    struct { const char* what; std::function<void()> act; Events expected; } cases[] = {
        {"tap", [&] { TapRow(1); },
         {Changed(1, 0, kSelFocus), "CLICK id=1000 row=1", "ITEMACTIVATE id=1000 row=1"}},
        {"tap on another row", [&] { TapRow(3); },
         {Changed(1, kSelFocus, 0), Changed(3, 0, kSelFocus), "CLICK id=1000 row=3", "ITEMACTIVATE id=1000 row=3"}},
        {"hold", [&] { const gdi::POINT p = RowPoint(4); dev().hold(p.x, p.y); dev().advance(1000); },
         {Changed(3, kSelFocus, 0), Changed(4, 0, kSelFocus), "CONTEXTMENU id=1000 at=" + At(RowPoint(4))}},
        {"right click", [&] { const gdi::POINT p = RowPoint(2); device::input::StylusAlternate(p); dev().advance(1000); },
         {Changed(4, kSelFocus, 0), Changed(2, 0, kSelFocus), "CONTEXTMENU id=1000 at=" + At(RowPoint(2))}},
        {"enter", [&] { dev().key(Qt::Key_Return); }, {"ITEMACTIVATE id=1000 row=2"}},
    };
    for (const auto& c : cases) {
        c.act();
        EXPECT_EQ(Take(), c.expected) << c.what;
    }
    EXPECT_EQ(Mark(), 2);
}

// Ctrl adds rows and Shift selects from the mark; deleting the row with the
// mark, as the delete command does, moves the mark to another selected row.
TEST_F(ListTest, ModifiersSelectSeveralRowsAndTheMarkOutlivesItsRow) {
    TapRow(1);
    TapRow(3, Qt::ControlModifier);
    TapRow(5, Qt::ControlModifier);
    EXPECT_EQ(SelectedRows(list_), (std::vector<int>{1, 3, 5}));
    for (int left = 3; left > 0; --left) ASSERT_TRUE(Send(list_, LVM_DELETEITEM, device::WPARAM(Mark())));
    EXPECT_EQ(Mark(), -1);
    std::vector<std::u16string> rows;
    for (int r = 0; r < Send(list_, LVM_GETITEMCOUNT); ++r) rows.push_back(RowText(list_, r));
    EXPECT_EQ(rows, (std::vector<std::u16string>{u"pic0.jpg", u"pic2.jpg", u"pic4.jpg"}));

    TapRow(0);
    Take();
    TapRow(2, Qt::ShiftModifier);
    EXPECT_EQ(SelectedRows(list_), (std::vector<int>{0, 1, 2}));
    dev().key(Qt::Key_Up, Qt::ShiftModifier);
    EXPECT_EQ(SelectedRows(list_), (std::vector<int>{0, 1}));
    EXPECT_EQ(Mark(), 0);
    for (const std::string& e : Take()) EXPECT_EQ(e.find("ITEMACTIVATE"), std::string::npos) << e;
}

TEST_F(ListTest, ColumnClickNamesTheColumn) {
    gdi::RECT first;
    first.left = LVIR_BOUNDS;
    Send(list_, LVM_GETITEMRECT, 0, reinterpret_cast<device::LPARAM>(&first));
    const int headerY = kParentTop + kListTop + first.top / 2;
    struct { int x, column; } cases[] = {{10, 0}, {150, 1}, {200, 2}, {235, 3}};
    for (const auto& c : cases) {
        Tap(c.x, headerY);
        EXPECT_EQ(Take(), Events{"COLUMNCLICK id=1000 sub=" + std::to_string(c.column)}) << c.x;
    }
}

// As the list commands switch it, by its style bits; the header shows in the
// report style only, and in the list style a tap still activates the row.
TEST_F(ListTest, SwitchingBetweenReportAndListKeepsRowsAndSelection) {
    TapRow(2);
    TapRow(4, Qt::ControlModifier);
    Take();
    controls::ApplyDeviceLook(dev().desktopWindow());
    for (uint32_t style : {LVS_LIST, LVS_REPORT, LVS_LIST}) {
        device::SetWindowStyle(list_, (device::GetWindowStyle(list_) & ~3u) | style);
        const QImage shot = dev().grabScreen();
        const bool header = shot.pixelColor(60, kParentTop + kListTop + 6) == QColor(0xD4, 0xD0, 0xC8);
        EXPECT_EQ(header, style == LVS_REPORT) << style;
        EXPECT_EQ(uint32_t(Send(list_, LVM_GETVIEW)), style == LVS_REPORT ? LV_VIEW_DETAILS : LV_VIEW_LIST);
        EXPECT_EQ(SelectedRows(list_), (std::vector<int>{2, 4})) << style;
        EXPECT_EQ(RowText(list_, 4, 1), u"JPEG") << style;
    }
    EXPECT_EQ(Take(), Events{});
    TapRow(1);
    const Events events = Take();
    ASSERT_FALSE(events.empty());
    EXPECT_EQ(events.back(), "ITEMACTIVATE id=1000 row=1");
}

TEST_F(ListTest, ProgramSetStatesAreHeardAndCounted) {
    LVITEMW state{.state = kSelFocus, .stateMask = kSelFocus};
    Send(list_, LVM_SETITEMSTATE, 3, reinterpret_cast<device::LPARAM>(&state));
    EXPECT_EQ(Take(), Events{Changed(3, 0, kSelFocus)});
    EXPECT_EQ(Mark(), 3);
    state.stateMask = LVIS_SELECTED;
    state.state = 0;
    Send(list_, LVM_SETITEMSTATE, device::WPARAM(intptr_t(-1)), reinterpret_cast<device::LPARAM>(&state));
    EXPECT_EQ(Take(), Events{Changed(3, kSelFocus, LVIS_FOCUSED)});
    EXPECT_EQ(Send(list_, LVM_GETSELECTEDCOUNT), 0);
    EXPECT_EQ(Mark(), -1);
    EXPECT_EQ(Send(list_, LVM_GETNEXTITEM, device::WPARAM(intptr_t(-1)), LVNI_FOCUSED), 3);
    EXPECT_FALSE(Send(list_, LVM_SETITEMSTATE, 99, reinterpret_cast<device::LPARAM>(&state)));
    EXPECT_TRUE(Send(list_, LVM_ENSUREVISIBLE, 5));
    EXPECT_FALSE(Send(list_, LVM_ENSUREVISIBLE, 6));  // past the last row
}

}  // namespace
}  // namespace lists_test
