#pragma once
// The main window started once the test has filled the device root, with
// helpers to read and drive the folder tree and the file list.
#include <string>
#include <vector>

#include "platform/controls/tree_view.h"
#include "support/main_window_fixture.h"

namespace browse_test {

using controls::HTREEITEM;
using device::HWND;

class BrowseViewsTest : public test_support::MainWindowTest {
protected:
    // The tree.
    HTREEITEM RootItem() const;
    // The item at a device folder path ("\A\B"), walking the items as they
    // are now; null when one is missing.
    HTREEITEM Item(std::u16string_view path) const;
    std::vector<std::u16string> ChildTexts(HTREEITEM item) const;
    std::u16string Text(HTREEITEM item) const;
    bool HasButton(HTREEITEM item) const;
    bool IsExpanded(HTREEITEM item) const;
    HTREEITEM Selected() const;
    void Select(HTREEITEM item) const;
    void Expand(HTREEITEM item, uint32_t code) const;

    // The list.
    std::vector<std::u16string> RowNames() const;
    std::vector<std::u16string> Row(int row) const;
    // Sends the list's column click to the main window, as a header tap does.
    void ClickColumn(int column) const;
    // The screen point in the middle of a row's name.
    gdi::POINT RowPoint(int row) const;

};

// A device path from UTF-8 ("\Fotos\Café.jpg").
std::u16string U16(const std::string& text);

}  // namespace browse_test
