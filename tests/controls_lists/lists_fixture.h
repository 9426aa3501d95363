#pragma once
// The host of the list control tests: it writes each notification and scroll
// request it hears as one line; helpers to talk to the controls.
#include "device/host_fixture.h"
#include "platform/controls/list_classes.h"
#include "platform/controls/list_view.h"
#include "platform/controls/scroll_bar.h"
#include "platform/controls/tap_and_hold.h"
#include "platform/controls/tree_view.h"

namespace lists_test {

using namespace controls;
using device::HWND;
using device_test::Events;

class ListsTest : public device_test::HostTest {
protected:
    void SetUp() override;
    void TearDown() override;
    HWND Make(std::u16string_view className, uint32_t style, int x, int y, int w, int h, int id) {
        return HostTest::Make(className, u"", style, x, y, w, h, id);
    }
    // Decides the host's answer to a notification.
    std::function<device::LRESULT(const NMHDR&)> answer_;
};

// Tree helpers.
HTREEITEM InsertItem(HWND tree, HTREEITEM parent, std::u16string_view text, int children = 0,
                     HTREEITEM after = TVI_SORT);
std::u16string ItemText(HWND tree, HTREEITEM item);
// Texts of the children of item (TVI_ROOT: the top level), in order.
std::vector<std::u16string> ChildTexts(HWND tree, HTREEITEM item);

// List helpers.
void InsertColumn(HWND list, int index, std::u16string_view title, int width, int fmt = LVCFMT_LEFT);
int InsertRow(HWND list, int index, std::u16string_view text);
std::u16string RowText(HWND list, int row, int column = 0);
std::vector<int> SelectedRows(HWND list);

}  // namespace lists_test
