#include "browse/folder_tree.h"

#include <vector>

#include "app/shell/shell_state.h"
#include "app/shell/thumbnail_thread.h"
#include "browse/current_folder.h"
#include "browse/file_list.h"
#include "browse/file_view.h"
#include "image/view_state.h"
#include "platform/device/message_loop.h"
#include "platform/device/window.h"
#include "platform/files/find_file.h"

namespace ezo {
namespace {

using controls::HTREEITEM;

constexpr std::u16string_view kAllFiles = u"*.*";

device::LRESULT SendToTree(uint32_t msg, device::WPARAM wParam, device::LPARAM lParam) {
    if (!shell.tree || !device::IsWindow(shell.tree)) return 0;
    return device::SendMessage(shell.tree, msg, wParam, lParam);
}

HTREEITEM NextItem(HTREEITEM item, uint32_t code) {
    return reinterpret_cast<HTREEITEM>(
        SendToTree(controls::TVM_GETNEXTITEM, code, reinterpret_cast<device::LPARAM>(item)));
}

// The first child of item; null for no item (the control would answer a
// null handle with the top level).
HTREEITEM FirstChild(HTREEITEM item) { return item ? NextItem(item, controls::TVGN_CHILD) : nullptr; }

bool ReadItemText(HTREEITEM item, std::u16string& text) {
    if (!item) return false;
    char16_t buffer[kMaxPath] = {};
    controls::TVITEMW query;
    query.mask = controls::TVIF_TEXT;
    query.hItem = item;
    query.pszText = buffer;
    query.cchTextMax = kMaxPath;
    if (!SendToTree(controls::TVM_GETITEMW, 0, reinterpret_cast<device::LPARAM>(&query))) return false;
    text = buffer;
    return true;
}

void SetChildIndicator(HTREEITEM item, int children) {
    controls::TVITEMW change;
    change.mask = controls::TVIF_CHILDREN;
    change.hItem = item;
    change.cChildren = children;
    SendToTree(controls::TVM_SETITEMW, 0, reinterpret_cast<device::LPARAM>(&change));
}

// Deletes the children one by one. Deleting the selected folder moves the
// selection to item, whose handler may refill it, so this takes the first
// child until none is left rather than walking stale siblings.
void DeleteChildItems(HTREEITEM item) {
    while (HTREEITEM child = FirstChild(item)) {
        if (!SendToTree(controls::TVM_DELETEITEM, 0, reinterpret_cast<device::LPARAM>(child))) break;
    }
}

// A search pattern without its "*.*": the folder, ending in "\".
std::u16string FolderOfPattern(std::u16string_view pattern) {
    if (pattern.size() >= kAllFiles.size() && pattern.substr(pattern.size() - kAllFiles.size()) == kAllFiles)
        pattern.remove_suffix(kAllFiles.size());
    return std::u16string(pattern);
}

// The pattern of folder name inside parentFolder ("" for the root's parent).
std::u16string PatternOfFolder(std::u16string_view parentFolder, std::u16string_view name) {
    std::u16string pattern(parentFolder);
    pattern += name;
    pattern += (!pattern.empty() && pattern.back() == u'\\') ? u"*.*" : u"\\*.*";
    return pattern;
}

bool IsFolder(const files::WIN32_FIND_DATA& data) {
    return (data.dwFileAttributes & files::FILE_ATTRIBUTE_DIRECTORY) != 0;
}

bool HasSubfolder(std::u16string_view pattern) {
    files::WIN32_FIND_DATA data;
    files::FindHandle search = files::FindFirstFile(pattern, &data);
    for (bool more = search != nullptr; more; more = files::FindNextFile(search, &data))
        if (IsFolder(data)) return true;
    return false;
}

HTREEITEM InsertFolderIn(HTREEITEM parent, std::u16string_view parentFolder, std::u16string_view name) {
    if (name == u"." || name == u"..") return nullptr;
    std::u16string text(name);
    controls::TVINSERTSTRUCTW insert;
    insert.hParent = parent ? parent : controls::TVI_ROOT;
    insert.hInsertAfter = controls::TVI_SORT;
    insert.item.mask = controls::TVIF_TEXT | controls::TVIF_CHILDREN;
    insert.item.pszText = text.data();
    insert.item.cChildren = 1;
    const auto item = reinterpret_cast<HTREEITEM>(
        SendToTree(controls::TVM_INSERTITEMW, 0, reinterpret_cast<device::LPARAM>(&insert)));
    if (!item) return nullptr;
    if (!HasSubfolder(PatternOfFolder(parentFolder, name))) SetChildIndicator(item, 0);
    return item;
}

// Inserts the subfolders under item; with listFiles, also scans the folder's
// pictures before an item without subfolders loses its expand button.
int FillChildren(std::u16string_view pattern, HTREEITEM item, bool listFiles) {
    const std::u16string folder = FolderOfPattern(pattern);
    int inserted = 0;
    files::WIN32_FIND_DATA data;
    files::FindHandle search = files::FindFirstFile(pattern, &data);
    for (bool more = search != nullptr; more; more = files::FindNextFile(search, &data)) {
        if (IsFolder(data) && InsertFolderIn(item, folder, data.cFileName)) inserted = 1;
    }
    files::FindClose(search);
    if (listFiles) {
        fileList.scanPath = pattern;
        ScanFolder();
    }
    if (!inserted) SetChildIndicator(item, 0);
    return inserted;
}

// Components of a path between its "\" separators, empty ones skipped.
std::vector<std::u16string_view> PathComponents(std::u16string_view path) {
    std::vector<std::u16string_view> parts;
    size_t start = 0;
    while (start <= path.size()) {
        size_t end = path.find(u'\\', start);
        if (end == std::u16string_view::npos) end = path.size();
        if (end > start) parts.push_back(path.substr(start, end - start));
        start = end + 1;
    }
    return parts;
}

void ShowChild(device::HWND child, bool shown) {
    if (child) device::ShowWindow(child, shown ? device::SW_SHOW : device::SW_HIDE);
}

}  // namespace

void FillFolderTree() {
    HTREEITEM root = InsertFolderItem(nullptr, u"\\");
    if (!root) return;
    SendToTree(controls::TVM_SELECTITEM, controls::TVGN_CARET, reinterpret_cast<device::LPARAM>(root));
    SendToTree(controls::TVM_EXPAND, controls::TVE_EXPAND, reinterpret_cast<device::LPARAM>(root));
}

HTREEITEM InsertFolderItem(HTREEITEM parent, std::u16string_view name) {
    std::u16string parentFolder;
    if (parent) {
        std::u16string parentPattern;
        if (!PathOfTreeItem(parent, parentPattern)) return nullptr;
        parentFolder = FolderOfPattern(parentPattern);
    }
    return InsertFolderIn(parent, parentFolder, name);
}

int PathOfTreeItem(HTREEITEM item, std::u16string& pattern) {
    std::u16string path;
    if (!ReadItemText(item, path)) return 0;
    for (HTREEITEM up = NextItem(item, controls::TVGN_PARENT); up; up = NextItem(up, controls::TVGN_PARENT)) {
        std::u16string text;
        if (!ReadItemText(up, text)) return 0;
        path = text == u"\\" ? text + path : text + u"\\" + path;
    }
    pattern = path + (path == u"\\" ? u"*.*" : u"\\*.*");
    return 1;
}

int FillFolderChildren(std::u16string_view pattern, HTREEITEM item) { return FillChildren(pattern, item, false); }

int FillFolderChildrenAndFiles(std::u16string_view pattern, HTREEITEM item) {
    return FillChildren(pattern, item, true);
}

void RevealFolder(std::u16string_view path) {
    const std::vector<std::u16string_view> components = PathComponents(path);
    HTREEITEM item = FirstChild(NextItem(nullptr, controls::TVGN_ROOT));
    for (size_t next = 0; next < components.size() && item;) {
        std::u16string text;
        if (!ReadItemText(item, text) || text != components[next]) {
            item = NextItem(item, controls::TVGN_NEXT);
            continue;
        }
        SendToTree(controls::TVM_SELECTITEM, controls::TVGN_CARET, reinterpret_cast<device::LPARAM>(item));
        SendToTree(controls::TVM_EXPAND, controls::TVE_EXPAND, reinterpret_cast<device::LPARAM>(item));
        item = FirstChild(item);
        ++next;
    }
}

void OnFolderExpanding(HTREEITEM item, uint32_t action) {
    if ((action & controls::TVE_TOGGLE) != controls::TVE_EXPAND || !item) return;
    DeleteChildItems(item);
    std::u16string pattern;
    if (!PathOfTreeItem(item, pattern)) return;
    FillFolderChildren(pattern, item);
    // The file rows belong to the selected folder: opening or deleting a row
    // builds its path from currentFolder, so expanding some other folder must
    // not move it away from the folder the rows came from.
    const HTREEITEM selected = NextItem(nullptr, controls::TVGN_CARET);
    if (!selected || selected == item) currentFolder = FolderOfPattern(pattern);
    // The thumbnail grid's scrollY goes back to 0 here once the grid exists.
}

void OnFolderSelected(HTREEITEM item) {
    // The generator must not walk the FileList while it is rebuilt. A pass
    // can outlive a switch from the grid to the list, so it is ended whatever
    // the browse view (stopping no pass does nothing).
    StopThumbnailGenerator();
    if (item) DeleteChildItems(item);
    ClearFileView();
    std::u16string pattern;
    if (PathOfTreeItem(item, pattern)) {
        FillFolderChildrenAndFiles(pattern, item);
        currentFolder = FolderOfPattern(pattern);
    }
    // The thumbnail grid's scrollY goes back to 0 and its selection clears
    // here once the grid exists.
    if (shell.rowCount > 0) {
        ShowChild(shell.noImages, false);
        if (!viewState.imageLoaded) {
            ShowChild(shell.thumbGrid, shell.thumbViewActive != 0);
            ShowChild(shell.fileList, !shell.thumbViewActive);
        }
        if (shell.thumbViewActive) {
            if (shell.thumbGrid) device::InvalidateRect(shell.thumbGrid, nullptr, true);
            StartThumbnailGenerator();
        } else {
            shell.thumbRestartPending = 1;
        }
        return;
    }
    FreeFileList();
    ShowChild(shell.thumbGrid, false);
    ShowChild(shell.fileList, false);
    ShowChild(shell.noImages, true);
}

}  // namespace ezo
