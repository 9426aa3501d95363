#include "lists_fixture.h"

#include <QString>

namespace lists_test {
namespace {

std::string Utf8(std::u16string_view text) {
    return QString::fromUtf16(text.data(), qsizetype(text.size())).toStdString();
}

std::string CodeName(uint32_t code) {
    switch (code) {
    case TVN_SELCHANGINGW: return "SELCHANGING";
    case TVN_SELCHANGEDW: return "SELCHANGED";
    case TVN_ITEMEXPANDINGW: return "EXPANDING";
    case TVN_ITEMEXPANDEDW: return "EXPANDED";
    case LVN_ITEMCHANGED: return "ITEMCHANGED";
    case LVN_COLUMNCLICK: return "COLUMNCLICK";
    case LVN_ITEMACTIVATE: return "ITEMACTIVATE";
    case NM_CLICK: return "CLICK";
    case GN_CONTEXTMENU: return "CONTEXTMENU";
    default: return "code" + std::to_string(int32_t(code));
    }
}

std::string Describe(const NMHDR& header) {
    const std::string name = CodeName(header.code);
    const std::string from = " id=" + std::to_string(header.idFrom);
    switch (header.code) {
    case TVN_SELCHANGINGW:
    case TVN_SELCHANGEDW: {
        const auto& nm = reinterpret_cast<const NMTREEVIEWW&>(header);
        auto label = [&](HTREEITEM item) { return item ? Utf8(ItemText(header.hwndFrom, item)) : "none"; };
        return name + from + " action=" + std::to_string(nm.action) + " old=" + label(nm.itemOld.hItem) +
               " new=" + label(nm.itemNew.hItem);
    }
    case TVN_ITEMEXPANDINGW:
    case TVN_ITEMEXPANDEDW: {
        const auto& nm = reinterpret_cast<const NMTREEVIEWW&>(header);
        return name + from + " action=" + std::to_string(nm.action) + " item=" +
               Utf8(ItemText(header.hwndFrom, nm.itemNew.hItem)) + " children=" +
               std::to_string(ChildTexts(header.hwndFrom, nm.itemNew.hItem).size());
    }
    case LVN_ITEMCHANGED:
    case LVN_COLUMNCLICK: {
        const auto& nm = reinterpret_cast<const NMLISTVIEW&>(header);
        if (header.code == LVN_COLUMNCLICK) return name + from + " sub=" + std::to_string(nm.iSubItem);
        return name + from + " row=" + std::to_string(nm.iItem) + " old=" + std::to_string(nm.uOldState) +
               " new=" + std::to_string(nm.uNewState);
    }
    case NM_CLICK:
    case LVN_ITEMACTIVATE: {
        const auto& nm = reinterpret_cast<const NMITEMACTIVATE&>(header);
        return name + from + " row=" + std::to_string(nm.iItem);
    }
    case GN_CONTEXTMENU: {
        const auto& nm = reinterpret_cast<const NMRGINFO&>(header);
        return name + from + " at=" + std::to_string(nm.ptAction.x) + "," + std::to_string(nm.ptAction.y);
    }
    default:
        return name + from;
    }
}

}  // namespace

void ListsTest::SetUp() {
    HostTest::SetUp();
    RegisterListControlClasses();
    host_->describe = [](uint32_t msg, device::WPARAM wParam, device::LPARAM lParam) -> std::optional<std::string> {
        if (msg == device::WM_NOTIFY) return Describe(*reinterpret_cast<const NMHDR*>(lParam));
        if (msg != device::WM_VSCROLL) return std::nullopt;
        return "VSCROLL code=" + std::to_string(device::LOWORD(wParam)) +
               " pos=" + std::to_string(device::HIWORD(wParam)) + (lParam ? "" : " nobar");
    };
    host_->answer = [this](uint32_t msg, device::WPARAM, device::LPARAM lParam) -> device::LRESULT {
        return msg == device::WM_NOTIFY && answer_ ? answer_(*reinterpret_cast<const NMHDR*>(lParam)) : 0;
    };
}

void ListsTest::TearDown() {
    SetStylusModifiers(Qt::NoModifier);
    HostTest::TearDown();
}

namespace {

device::LRESULT SendWith(HWND control, uint32_t msg, device::WPARAM wParam, const void* record) {
    return device::SendMessage(control, msg, wParam, reinterpret_cast<device::LPARAM>(record));
}

}  // namespace

HTREEITEM InsertItem(HWND tree, HTREEITEM parent, std::u16string_view text, int children, HTREEITEM after) {
    std::u16string copy(text);
    const TVINSERTSTRUCTW insert{
        parent, after, {.mask = TVIF_TEXT | TVIF_CHILDREN, .pszText = copy.data(), .cChildren = children}};
    return reinterpret_cast<HTREEITEM>(SendWith(tree, TVM_INSERTITEMW, 0, &insert));
}

std::u16string ItemText(HWND tree, HTREEITEM item) {
    char16_t buffer[260] = {};
    TVITEMW query{.mask = TVIF_TEXT, .hItem = item, .pszText = buffer, .cchTextMax = 260};
    return SendWith(tree, TVM_GETITEMW, 0, &query) ? buffer : u"";
}

std::vector<std::u16string> ChildTexts(HWND tree, HTREEITEM item) {
    std::vector<std::u16string> texts;
    auto next = [tree](uint32_t code, HTREEITEM from) {
        return reinterpret_cast<HTREEITEM>(SendWith(tree, TVM_GETNEXTITEM, code, from));
    };
    for (HTREEITEM child = next(TVGN_CHILD, item); child; child = next(TVGN_NEXT, child))
        texts.push_back(ItemText(tree, child));
    return texts;
}

void InsertColumn(HWND list, int index, std::u16string_view title, int width, int fmt) {
    std::u16string copy(title);
    const LVCOLUMNW column{LVCF_FMT | LVCF_WIDTH | LVCF_TEXT | LVCF_SUBITEM, fmt, width, copy.data(), 0, index};
    SendWith(list, LVM_INSERTCOLUMNW, device::WPARAM(index), &column);
}

int InsertRow(HWND list, int index, std::u16string_view text) {
    std::u16string copy(text);
    const LVITEMW item{.mask = LVIF_TEXT, .iItem = index, .pszText = copy.data(), .cchTextMax = 260};
    return int(SendWith(list, LVM_INSERTITEMW, 0, &item));
}

std::u16string RowText(HWND list, int row, int column) {
    char16_t buffer[256] = {};
    const LVITEMW item{.iSubItem = column, .pszText = buffer, .cchTextMax = 256};
    SendWith(list, LVM_GETITEMTEXTW, device::WPARAM(row), &item);
    return buffer;
}

std::vector<int> SelectedRows(HWND list) {
    std::vector<int> rows;
    for (int r = -1;;) {
        r = int(device::SendMessage(list, LVM_GETNEXTITEM, device::WPARAM(intptr_t(r)), LVNI_SELECTED));
        if (r < 0) break;
        rows.push_back(r);
    }
    return rows;
}

}  // namespace lists_test
