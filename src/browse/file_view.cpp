#include "browse/file_view.h"

#include <iterator>

#include "app/shell/shell_state.h"
#include "platform/controls/list_view.h"
#include "platform/device/message_loop.h"
#include "platform/device/window.h"

namespace ezo {
namespace {

using device::HWND;

constexpr uint32_t kListStyle = device::WS_CHILD | device::WS_VISIBLE | controls::LVS_REPORT |
                                controls::LVS_SHOWSELALWAYS;
struct ColumnSpec {
    const char16_t* title;
    int width;
    int format;
};
constexpr ColumnSpec kColumns[] = {
    {u"Name", 130, controls::LVCFMT_LEFT},
    {u"Type", 50, controls::LVCFMT_CENTER},
    {u"Size", 50, controls::LVCFMT_RIGHT},
    {u"Date", 90, controls::LVCFMT_LEFT},
};


// The file list with its four columns and the hidden thumbnail grid, at the
// top of the client area and 25 pixels less high. 0 when the list or a
// column cannot be made.
}  // namespace

int CreateBrowseViews(HWND window) {
    device::SetCursor(device::Cursor::Wait);
    gdi::RECT c;
    device::GetClientRect(window, &c);
    const int32_t h = c.height() - 25;
    shell.fileList = device::CreateWindow(u"SysListView32", u"FileView", kListStyle, c.left, c.top,
                                          c.width(), h, window, kIdFileList);
    shell.thumbGrid = device::CreateWindow(u"Thumb", u"Thumb", device::WS_CHILD, c.left, c.top, c.width(), h,
                                           window, kIdThumbGrid);
    int ok = shell.fileList ? 1 : 0;
    for (int i = 0; ok && i < int(std::size(kColumns)); ++i) {
        std::u16string text = kColumns[i].title;
        controls::LVCOLUMNW column;
        column.mask = controls::LVCF_FMT | controls::LVCF_WIDTH | controls::LVCF_TEXT | controls::LVCF_SUBITEM;
        column.fmt = kColumns[i].format;
        column.cx = kColumns[i].width;
        column.pszText = text.data();
        column.iSubItem = i;
        if (device::SendMessage(shell.fileList, controls::LVM_INSERTCOLUMNW, device::WPARAM(i),
                                reinterpret_cast<device::LPARAM>(&column)) < 0)
            ok = 0;
    }
    device::SetCursor(device::Cursor::Arrow);
    return ok;
}


void RefillFileView() {}
void AddFileRow(const FileEntry&) {}
void ClearFileView() {}
void OnFileColumnClick() {}
void OnFileActivated(device::HWND, int) {}
void ShowFileContextMenu(device::HWND, int32_t, int32_t) {}
int SelectedFilePath(std::u16string&) { return 0; }
int SelectedRowCount() { return 0; }
void DeleteMarkedRow() {}
int DeleteRowNamed(std::u16string_view) { return 0; }

}  // namespace ezo
