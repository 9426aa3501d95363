#include "browse/file_view.h"

#include <algorithm>
#include <iterator>

#include "browse/list_texts.h"
#include "shell/resource_ids.h"
#include "shell/shell_windows.h"
#include "shell/thumbnail_thread.h"
#include "platform/controls/list_view.h"
#include "platform/controls/menu.h"
#include "platform/device/message_loop.h"
#include "platform/device/window.h"
#include "platform/files/name_case.h"

namespace ezo {
namespace {

using device::HWND;

// An activated row's name is read up to this many characters.
constexpr int kActivatedNameLength = 255;

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

device::LRESULT SendToList(const Shell& shell, uint32_t msg, device::WPARAM wParam, device::LPARAM lParam) {
    if (!shell.fileList || !device::IsWindow(shell.fileList)) return 0;
    return device::SendMessage(shell.fileList, msg, wParam, lParam);
}

// The text of a row's column; empty for no such row.
std::u16string RowText(const Shell& shell, int row, int column, int maxLength) {
    std::u16string buffer(size_t(maxLength) + 1, u'\0');
    controls::LVITEMW item;
    item.iSubItem = column;
    item.pszText = buffer.data();
    item.cchTextMax = maxLength + 1;
    const auto length = SendToList(shell, controls::LVM_GETITEMTEXTW, device::WPARAM(row),
                                   reinterpret_cast<device::LPARAM>(&item));
    buffer.resize(size_t(std::max<device::LRESULT>(length, 0)));
    return buffer;
}

void SetRowText(const Shell& shell, int row, int column, std::u16string text) {
    controls::LVITEMW item;
    item.iSubItem = column;
    item.pszText = text.data();
    SendToList(shell, controls::LVM_SETITEMTEXTW, device::WPARAM(row), reinterpret_cast<device::LPARAM>(&item));
}

const char16_t* KindText(uint32_t kind) {
    switch (kind) {
    case Bmp: return u"BMP";
    case Gif: return u"GIF";
    default: return u"JPEG";
    }
}

// Deletes a row and keeps rowCount in step with the control.
bool DeleteRow(Shell& shell, int row) {
    if (row < 0 || !SendToList(shell, controls::LVM_DELETEITEM, device::WPARAM(row), 0)) return false;
    if (shell.rowCount > 0) --shell.rowCount;
    return true;
}

}  // namespace

int CreateBrowseViews(HWND window) {
    Shell& shell = ProgramOf(window).shell;
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

void RefillFileView(Program& program) {
    ClearFileView(program.shell);
    for (const FileEntry* entry = program.fileList.head.get(); entry; entry = entry->next.get())
        AddFileRow(program.shell, *entry);
}

void AddFileRow(Shell& shell, const FileEntry& entry) {
    if (!shell.fileList || !device::IsWindow(shell.fileList)) return;
    std::u16string name = entry.name;
    controls::LVITEMW item;
    item.mask = controls::LVIF_TEXT;
    item.iItem = shell.rowCount;
    item.pszText = name.data();
    item.cchTextMax = kMaxPath;
    const auto row = SendToList(shell, controls::LVM_INSERTITEMW, 0, reinterpret_cast<device::LPARAM>(&item));
    if (row < 0) return;
    SetRowText(shell, int(row), 1, KindText(entry.kind));
    SetRowText(shell, int(row), 2, FormatSizeShort(entry.size));
    SetRowText(shell, int(row), 3, FormatDateShort(entry.modified));
    ++shell.rowCount;
}

void ClearFileView(Shell& shell) {
    shell.rowCount = 0;
    SendToList(shell, controls::LVM_DELETEALLITEMS, 0, 0);
}

void OnFileColumnClick(Program& program) {
    Shell& shell = program.shell;
    FileList& fileList = program.fileList;
    // A pass still filling thumbnails after a switch to the list writes into
    // the entries the sort exchanges: end it first, and let it start again
    // when the grid is next shown.
    if (ThumbnailGeneratorRunning(program)) {
        StopThumbnailGenerator(program);
        shell.thumbRestartPending = 1;
    }
    fileList.ascending = fileList.ascending == 0 ? 1 : 0;
    ClearFileView(shell);
    SortFileList(fileList);
    NumberFileList(fileList);
    RefillFileView(program);
}

ActivatedFile OnFileActivated(Program& program, int row) {
    Shell& shell = program.shell;
    const std::u16string name = RowText(shell, row, 0, kActivatedNameLength);
    if (name.empty()) return {};
    if (!device::IsWindowVisible(shell.fileList)) shell.thumbViewActive = 1;
    HideBrowseWindows(shell);
    return {program.currentFolder + name, ImageKindOfName(name)};
}

void ShowFileContextMenu(HWND window, int32_t screenX, int32_t screenY) {
    controls::MenuPtr menu = controls::CreatePopupMenu();
    if (!menu) return;
    controls::AppendMenu(menu.get(), controls::MF_STRING, IDM_DELETE, u"Delete");
    controls::AppendMenu(menu.get(), controls::MF_STRING, IDM_FILE_INFO, u"File Info");
    controls::TrackPopupMenu(menu.get(), controls::TPM_LEFTALIGN | controls::TPM_TOPALIGN, screenX, screenY, 0,
                             window, nullptr);
}

int SelectedFilePath(Program& program, std::u16string& path) {
    const Shell& shell = program.shell;
    const auto mark = SendToList(shell, controls::LVM_GETSELECTIONMARK, 0, 0);
    if (mark < 0) return 0;
    const std::u16string name = RowText(shell, int(mark), 0, kMaxPath - 1);
    if (name.empty()) return 0;
    path = program.currentFolder + name;
    return 1;
}

int SelectedRowCount(const Shell& shell) { return int(SendToList(shell, controls::LVM_GETSELECTEDCOUNT, 0, 0)); }

int SelectionMarkRow(const Shell& shell) { return int(SendToList(shell, controls::LVM_GETSELECTIONMARK, 0, 0)); }

void SelectRow(Shell& shell, int row) {
    if (row < 0 || row >= shell.rowCount) return;
    controls::LVITEMW clear;
    clear.stateMask = controls::LVIS_SELECTED;
    SendToList(shell, controls::LVM_SETITEMSTATE, device::WPARAM(-1), reinterpret_cast<device::LPARAM>(&clear));
    controls::LVITEMW item;
    item.stateMask = item.state = controls::LVIS_SELECTED | controls::LVIS_FOCUSED;
    SendToList(shell, controls::LVM_SETITEMSTATE, device::WPARAM(row), reinterpret_cast<device::LPARAM>(&item));
    SendToList(shell, controls::LVM_SETSELECTIONMARK, 0, device::LPARAM(row));
    SendToList(shell, controls::LVM_ENSUREVISIBLE, device::WPARAM(row), 0);
}

int SelectRowNamed(Shell& shell, std::u16string_view name) {
    for (int row = 0; row < shell.rowCount; ++row) {
        if (!files::EqualNoCase(RowText(shell, row, 0, kMaxPath - 1), name)) continue;
        SelectRow(shell, row);
        return 1;
    }
    return 0;
}

void DeleteMarkedRow(Shell& shell) { DeleteRow(shell, int(SendToList(shell, controls::LVM_GETSELECTIONMARK, 0, 0))); }

int DeleteRowNamed(Shell& shell, std::u16string_view name) {
    const int rows = int(SendToList(shell, controls::LVM_GETITEMCOUNT, 0, 0));
    for (int row = 0; row < rows; ++row)
        if (RowText(shell, row, 0, kMaxPath - 1) == name) return DeleteRow(shell, row) ? 1 : 0;
    return 0;
}

}  // namespace ezo
