#include "app/file_info_dialog.h"

#include "app/dialog_ids.h"
#include "browse/file_view.h"
#include "browse/path_text.h"
#include "image/decoded_image.h"
#include "platform/controls/dialog.h"
#include "shell/resource_ids.h"

namespace ezo {
namespace {

using device::HWND;
using device::LPARAM;
using device::WPARAM;

const FileEntry* EntryNamed(const FileList& list, const std::u16string& name) {
    for (const FileEntry* e = list.head.get(); e; e = e->next.get())
        if (e->name == name) return e;
    return nullptr;
}

const FileEntry* EntryAt(const FileList& list, int32_t index) {
    for (const FileEntry* e = list.head.get(); e; e = e->next.get())
        if (e->index == index) return e;
    return nullptr;
}

// The name on the file list's row with the selection mark; empty for none.
std::u16string MarkedRowName(Program& program) {
    std::u16string path;
    if (!SelectedFilePath(program, path)) return {};
    return FileNameOfPath(path, 0);
}

void ShowLines(HWND dialog, const SelectedFileInfo& info) {
    // A picture whose header cannot be read shows zeros.
    int32_t width = 0, height = 0, third = 0;
    ProbeImageFile(dialog, info.path, info.kind, width, height, third);
    const FileInfoLines lines =
        MakeFileInfoLines(FileNameOfPath(info.path, 1), info.kind, info.size, width, height, info.time);
    controls::SetDlgItemText(dialog, IDC_INFO_NAME, lines.name);
    controls::SetDlgItemText(dialog, IDC_INFO_FORMAT, lines.format);
    controls::SetDlgItemText(dialog, IDC_INFO_SIZE, lines.size);
    controls::SetDlgItemText(dialog, IDC_INFO_DIMENSIONS, lines.dimensions);
    controls::SetDlgItemText(dialog, IDC_INFO_DATE, lines.date);
    controls::SetDlgItemText(dialog, IDC_INFO_TIME, lines.time);
}

intptr_t FileInfoDialogProc(HWND dialog, uint32_t msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
    case controls::WM_INITDIALOG: {
        controls::SHINITDLGINFO init{controls::SHIDIM_FLAGS, dialog, 0};
        controls::SHInitDialog(&init);
        ShowLines(dialog, *reinterpret_cast<const SelectedFileInfo*>(lParam));
        return 1;
    }
    case device::WM_COMMAND: {
        const int id = device::LOWORD(wParam);
        // OK, and the close that Escape or the end of the program gives.
        if (id == device::IDOK || id == device::IDCANCEL) controls::EndDialog(dialog, 1);
        return 1;
    }
    default:
        return 0;
    }
}

}  // namespace

int32_t GridSelectedIndex(const Program& program) {
    return program.grid.selectionActive ? program.grid.selectedIndex : 0;
}

std::optional<SelectedFileInfo> FindSelectedEntry(Program& program) {
    Shell& shell = program.shell;
    const FileEntry* entry = nullptr;
    if (device::IsWindowVisible(shell.fileList)) {
        shell.thumbViewActive = 0;
        entry = EntryNamed(program.fileList, MarkedRowName(program));
    } else {
        shell.thumbViewActive = 1;
        const int32_t index = GridSelectedIndex(program);
        if (index > 0) entry = EntryAt(program.fileList, index);
    }
    if (!entry) return std::nullopt;
    return SelectedFileInfo{program.currentFolder + entry->name, entry->size, FormatFileTime(entry->modified),
                            entry->kind};
}

void ShowFileInfo(HWND mainWindow) {
    // Only the browse screen has a selection; while a picture is viewed the
    // hidden list must not be taken for the grid.
    if (!ProgramOf(mainWindow).shell.browseMode) return;
    const std::optional<SelectedFileInfo> info = FindSelectedEntry(ProgramOf(mainWindow));
    if (!info) return;
    controls::DialogBoxParam(ProgramOf(mainWindow).shell.instance, IDD_FILE_INFO, mainWindow, FileInfoDialogProc,
                             LPARAM(&*info));
}

}  // namespace ezo
