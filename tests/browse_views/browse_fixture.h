#pragma once
// The main window started once the test has filled the device root, with
// helpers to read and drive the folder tree and the file list.
#include <QString>

#include <algorithm>
#include <string>
#include <vector>

#include "platform/controls/list_view.h"
#include "platform/controls/tree_view.h"
#include "platform/device/message_loop.h"
#include "support/main_window_fixture.h"

namespace browse_test {

using controls::HTREEITEM;
using device::HWND;
using Texts = std::vector<std::u16string>;

// A device path from UTF-8 ("\Fotos\Café.jpg").
inline std::u16string U16(const std::string& text) { return QString::fromUtf8(text.c_str()).toStdU16String(); }
inline bool Visible(HWND window) { return device::IsWindowVisible(window); }

class BrowseViewsTest : public test_support::MainWindowTest {
protected:
    device::LRESULT Send(HWND window, uint32_t msg, device::WPARAM wParam, const void* lParam) const {
        return device::SendMessage(window, msg, wParam, reinterpret_cast<device::LPARAM>(lParam));
    }
    HWND Tree() const { return program().shell.tree; }
    HWND List() const { return program().shell.fileList; }

    // The tree.
    HTREEITEM Next(HTREEITEM item, uint32_t code) const {
        return reinterpret_cast<HTREEITEM>(Send(Tree(), controls::TVM_GETNEXTITEM, code, item));
    }
    HTREEITEM RootItem() const { return Next(nullptr, controls::TVGN_ROOT); }
    HTREEITEM Selected() const { return Next(nullptr, controls::TVGN_CARET); }
    // The item at a device folder path ("\A\B"), walking the items as they
    // are now; null when one is missing.
    HTREEITEM Item(std::u16string_view path) const {
        HTREEITEM item = RootItem();
        for (size_t start = 0, end; item && start < path.size(); start = end + 1) {
            end = std::min(path.find(u'\\', start), path.size());
            if (end == start) continue;
            HTREEITEM child = Next(item, controls::TVGN_CHILD);
            while (child && Text(child) != path.substr(start, end - start)) child = Next(child, controls::TVGN_NEXT);
            item = child;
        }
        return item;
    }
    Texts ChildTexts(HTREEITEM item) const {
        Texts texts;
        for (HTREEITEM c = item ? Next(item, controls::TVGN_CHILD) : nullptr; c; c = Next(c, controls::TVGN_NEXT))
            texts.push_back(Text(c));
        return texts;
    }
    controls::TVITEMW Query(HTREEITEM item, uint32_t mask, char16_t* text = nullptr) const {
        controls::TVITEMW query;
        query.mask = mask;
        query.hItem = item;
        query.stateMask = controls::TVIS_EXPANDED;
        query.pszText = text;
        query.cchTextMax = 260;
        return Send(Tree(), controls::TVM_GETITEMW, 0, &query) ? query : controls::TVITEMW{};
    }
    std::u16string Text(HTREEITEM item) const {
        char16_t buffer[260] = {};
        return Query(item, controls::TVIF_TEXT, buffer), buffer;
    }
    bool HasButton(HTREEITEM item) const { return Query(item, controls::TVIF_CHILDREN).cChildren != 0; }
    bool IsExpanded(HTREEITEM item) const { return Query(item, controls::TVIF_STATE).state & controls::TVIS_EXPANDED; }
    void Select(HTREEITEM item) const { Send(Tree(), controls::TVM_SELECTITEM, controls::TVGN_CARET, item); }
    void Expand(HTREEITEM item, uint32_t code) const { Send(Tree(), controls::TVM_EXPAND, code, item); }

    // The list: a row's four texts, the names in row order.
    Texts Row(int row) const {
        Texts texts;
        for (int column = 0; column < 4; ++column) {
            char16_t buffer[260] = {};
            controls::LVITEMW item;
            item.iSubItem = column;
            item.pszText = buffer;
            item.cchTextMax = 260;
            Send(List(), controls::LVM_GETITEMTEXTW, device::WPARAM(row), &item);
            texts.emplace_back(buffer);
        }
        return texts;
    }
    Texts RowNames() const {
        Texts names;
        const int rows = int(device::SendMessage(List(), controls::LVM_GETITEMCOUNT, 0, 0));
        for (int r = 0; r < rows; ++r) names.push_back(Row(r)[0]);
        return names;
    }
    void SelectRows(std::initializer_list<int> rows) const {
        for (int row : rows) {
            controls::LVITEMW state;
            state.stateMask = state.state = controls::LVIS_SELECTED;
            Send(List(), controls::LVM_SETITEMSTATE, device::WPARAM(row), &state);
        }
    }
};

}  // namespace browse_test
