#include "app/browse_commands.h"

#include <algorithm>

#include "browse/file_list.h"
#include "browse/file_view.h"
#include "browse/path_text.h"
#include "platform/controls/list_view.h"
#include "platform/device/window.h"
#include "platform/files/file_io.h"
#include "platform/files/trash.h"
#include "shell/resource_ids.h"
#include "shell/shell_windows.h"
#include "shell/thumbnail_thread.h"
#include "thumbs/thumb_grid.h"

namespace ezo {

namespace {

using device::HWND;

void Show(HWND window, bool shown) {
    if (window) device::ShowWindow(window, shown ? device::SW_SHOW : device::SW_HIDE);
}

// The list's shape lives in the low two style bits; only a change is written.
void SetListType(const Shell& shell, uint32_t type) {
    if (!shell.fileList) return;
    const uint32_t style = device::GetWindowStyle(shell.fileList);
    if ((style & controls::LVS_TYPEMASK) == type) return;
    device::SetWindowStyle(shell.fileList, (style & ~controls::LVS_TYPEMASK) | type);
}

// The grid's highlight names no file once the list shows.
void ShowFileListAs(Program& program, int browseView, uint32_t type) {
    Shell& shell = program.shell;
    shell.BrowseView = browseView;
    SetListType(shell, type);
    Show(shell.thumbGrid, false);
    Show(shell.fileList, true);
    shell.thumbViewActive = 0;
    program.grid.selectionActive = 0;
}

bool GridShown(const Shell& shell) { return shell.thumbGrid && device::IsWindowVisible(shell.thumbGrid); }

// Lists the browsed folder again and lets the generator fill its
// thumbnails. A list the user had sorted by name stays sorted.
void RescanFolder(Program& program) {
    const bool sorted = FileListSorted(program.fileList);
    program.fileList.scanPath = program.currentFolder;
    ScanFolder(program.fileList);
    if (sorted) {
        SortFileList(program.fileList);
        NumberFileList(program.fileList);
    }
    RefillFileView(program);
    StartThumbnailGenerator(program);
}

// One file to the trash; where there is no trash, only after a second
// question that says it is for good. 1 when the file went.
int RemoveFile(HWND window, const std::u16string& path) {
    const files::Trashed trashed = files::MoveToTrash(path);
    if (trashed != files::Trashed::NoTrash) return trashed == files::Trashed::Yes ? 1 : 0;
    std::u16string question = u"There is no trash for \u201C" + FileNameOfPath(path, 0) + u"\u201D. Delete it for good?";
    if (device::MessageBox(window, question.c_str(), kDeleteCaption, device::MB_OKCANCEL | device::MB_ICONQUESTION) !=
        device::IDOK)
        return 0;
    return files::DeleteFile(path) ? 1 : 0;
}

}  // namespace

void SwitchBrowseView(HWND window, uint16_t command) {
    Program& program = ProgramOf(window);
    Shell& shell = program.shell;
    if (shell.rowCount <= 0) return;
    switch (command) {
    case IDM_TO_THUMBNAILS:
        Show(shell.fileList, false);
        Show(shell.thumbGrid, true);
        Show(MenuBar(shell, IDR_BAR_REPORT), false);
        Show(MenuBar(shell, IDR_BAR_THUMBNAILS), true);
        shell.thumbViewActive = 1;
        shell.BrowseView = Thumbnails;
        if (shell.thumbRestartPending) {
            StartThumbnailGenerator(program);
            shell.thumbRestartPending = 0;
        }
        return;
    case IDM_TO_LIST:
        Show(MenuBar(shell, IDR_BAR_THUMBNAILS), false);
        Show(MenuBar(shell, IDR_BAR_LIST), true);
        ShowFileListAs(program, List, controls::LVS_LIST);
        return;
    case IDM_TO_REPORT:
        Show(MenuBar(shell, IDR_BAR_LIST), false);
        Show(MenuBar(shell, IDR_BAR_REPORT), true);
        ShowFileListAs(program, Report, controls::LVS_REPORT);
        return;
    default:
        return;
    }
}

std::u16string DeleteQuestion(std::u16string_view name, int count) {
    if (count > 1) {
        const std::string n = std::to_string(count);
        return u"Move the " + std::u16string(n.begin(), n.end()) + u" selected files to the trash?";
    }
    return u"Move \u201C" + std::u16string(name) + u"\u201D to the trash?";
}

FileRows FileViewRows() { return {SelectedFilePath, SelectedRowCount, DeleteMarkedRow, DeleteRowNamed}; }

FileRows GridRows() {
    return {SelectedGridPath, [](const Shell&) { return 1; }, DeleteMarkedRow, DeleteRowNamed};
}

FileRows ShownFileRows(const Shell& shell) { return GridShown(shell) ? GridRows() : FileViewRows(); }

int DeleteSelectedFiles(HWND window, const FileRows& rows) {
    Program& program = ProgramOf(window);
    Shell& shell = program.shell;
    std::u16string path;
    if (!rows.selectedPath(program, path)) return 0;
    const int selected = rows.selectedCount(shell);
    const std::u16string question = DeleteQuestion(FileNameOfPath(path, 0), selected);
    if (device::MessageBox(window, question.c_str(), kDeleteCaption, device::MB_OKCANCEL | device::MB_ICONQUESTION) !=
        device::IDOK)
        return 0;
    StopThumbnailGenerator(program);
    const int firstRow = SelectionMarkRow(shell);
    // A file that cannot be deleted loses its row all the same; the next
    // listing of the folder shows it again.
    int deleted = RemoveFile(window, path);
    if (GridShown(shell)) {
        RescanFolder(program);
        rows.deleteNamed(shell, FileNameOfPath(path, 0));
        // The highlight would fall on the picture after the deleted one.
        program.grid.selectionActive = 0;
        RelayoutThumbGrid(shell.thumbGrid);
        return deleted;
    }
    rows.deleteMarked(shell);
    for (int i = 1; i < selected; ++i) {
        // The marks may run out before the count does: never delete a stale path.
        if (!rows.selectedPath(program, path)) break;
        deleted += RemoveFile(window, path);
        rows.deleteMarked(shell);
    }
    RescanFolder(program);
    SelectRow(shell, std::min(firstRow, shell.rowCount - 1));
    return deleted;
}

}  // namespace ezo
