// Notifications of the file list, the thumbnail grid and the folder tree.
#include "app/main_window.h"
#include "browse/file_view.h"
#include "browse/path_text.h"
#include "browse/folder_tree.h"
#include "image/open_image.h"
#include "shell/shell_windows.h"
#include "platform/controls/list_view.h"
#include "platform/controls/notify.h"
#include "platform/controls/tree_view.h"
#include "platform/device/activation.h"
#include "platform/device/screen.h"

namespace ezo {

// How long a note stays in the task bar.
constexpr uint32_t kNoteMs = 4000;

void OpenFromBrowse(device::HWND window, const std::u16string& path, int kind) {
    if (OpenImageForView(window, path, kind, 0)) {
        device::SetFocus(window);  // the keys now go to the picture
        device::InvalidateRect(window, nullptr, true);
        return;
    }
    // The list stays as it was, and says why nothing opened.
    ShowBrowseWindows(ProgramOf(window).shell, window);
    FocusBrowsePane(window);
    Beep();
    device::ShowTaskBarNote(u"Cannot open " + FileNameOfPath(path, 0), kNoteMs);
}

void OnNotify(device::HWND window, device::LPARAM lParam) {
    const auto* header = reinterpret_cast<const controls::NMHDR*>(lParam);
    if (!header) return;
    Program& program = ProgramOf(window);
    const Shell& shell = program.shell;
    // Tap-and-hold on any child, or anything from the grid (whose
    // notifications are NMRGINFO records too), offers the pop-up; the tests
    // below still run.
    if (header->idFrom == uintptr_t(kIdThumbGrid) || header->code == controls::GN_CONTEXTMENU) {
        const auto* gesture = reinterpret_cast<const controls::NMRGINFO*>(lParam);
        ShowFileContextMenu(window, gesture->ptAction.x, gesture->ptAction.y);
    }
    if (header->hwndFrom && header->hwndFrom == shell.fileList) {
        if (header->code == controls::LVN_ITEMACTIVATE) {
            const int row = reinterpret_cast<const controls::NMITEMACTIVATE*>(lParam)->iItem;
            const ActivatedFile file = OnFileActivated(program, row);
            if (!file.path.empty()) OpenFromBrowse(window, file.path, file.kind);
        } else if (header->code == controls::LVN_COLUMNCLICK) {
            OnFileColumnClick(program);
        }
    } else if (header->hwndFrom && header->hwndFrom == shell.tree) {
        const auto* change = reinterpret_cast<const controls::NMTREEVIEWW*>(lParam);
        if (header->code == controls::TVN_ITEMEXPANDINGW)
            OnFolderExpanding(program, change->itemNew.hItem, change->action);
        else if (header->code == controls::TVN_SELCHANGEDW)
            OnFolderSelected(program, change->itemNew.hItem);
    }
}

}  // namespace ezo
