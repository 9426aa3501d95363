// Notifications of the file list, the thumbnail grid and the folder tree.
#include "app/main_window.h"
#include "app/shell/shell_state.h"
#include "browse/file_view.h"
#include "browse/folder_tree.h"
#include "platform/controls/list_view.h"
#include "platform/controls/notify.h"
#include "platform/controls/tree_view.h"

namespace ezo {

void OnNotify(device::HWND window, device::LPARAM lParam) {
    const auto* header = reinterpret_cast<const controls::NMHDR*>(lParam);
    if (!header) return;
    // Tap-and-hold on any child, or anything from the grid (whose
    // notifications are NMRGINFO records too), offers the pop-up; the tests
    // below still run.
    if (header->idFrom == uintptr_t(kIdThumbGrid) || header->code == controls::GN_CONTEXTMENU) {
        const auto* gesture = reinterpret_cast<const controls::NMRGINFO*>(lParam);
        ShowFileContextMenu(window, gesture->ptAction.x, gesture->ptAction.y);
    }
    if (header->hwndFrom && header->hwndFrom == shell.fileList) {
        if (header->code == controls::LVN_ITEMACTIVATE)
            OnFileActivated(window, reinterpret_cast<const controls::NMITEMACTIVATE*>(lParam)->iItem);
        else if (header->code == controls::LVN_COLUMNCLICK)
            OnFileColumnClick();
    } else if (header->hwndFrom && header->hwndFrom == shell.tree) {
        const auto* change = reinterpret_cast<const controls::NMTREEVIEWW*>(lParam);
        if (header->code == controls::TVN_ITEMEXPANDINGW)
            OnFolderExpanding(change->itemNew.hItem, change->action);
        else if (header->code == controls::TVN_SELCHANGEDW)
            OnFolderSelected(change->itemNew.hItem);
    }
}

}  // namespace ezo
