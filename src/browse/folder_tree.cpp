#include "browse/folder_tree.h"

#include <algorithm>
#include <vector>

#include "browse/file_list.h"
#include "browse/file_view.h"
#include "shell/thumbnail_thread.h"
#include "platform/device/message_loop.h"
#include "platform/device/window.h"
#include "platform/files/find_file.h"

namespace ezo {
namespace {

using controls::HTREEITEM;

constexpr std::u16string_view kAllFiles = u"*.*";

device::LRESULT SendToTree(Program& program, uint32_t msg, device::WPARAM wParam, device::LPARAM lParam) {
    if (!program.shell.tree || !device::IsWindow(program.shell.tree)) return 0;
    return device::SendMessage(program.shell.tree, msg, wParam, lParam);
}

HTREEITEM NextItem(Program& program, HTREEITEM item, uint32_t code) {
    return reinterpret_cast<HTREEITEM>(
        SendToTree(program, controls::TVM_GETNEXTITEM, code, reinterpret_cast<device::LPARAM>(item)));
}

// The first child of item; null for no item (the control would answer a
// null handle with the top level).
HTREEITEM FirstChild(Program& program, HTREEITEM item) { return item ? NextItem(program, item, controls::TVGN_CHILD) : nullptr; }

bool ReadItemText(Program& program, HTREEITEM item, std::u16string& text) {
    if (!item) return false;
    char16_t buffer[kMaxPath] = {};
    controls::TVITEMW query;
    query.mask = controls::TVIF_TEXT;
    query.hItem = item;
    query.pszText = buffer;
    query.cchTextMax = kMaxPath;
    if (!SendToTree(program, controls::TVM_GETITEMW, 0, reinterpret_cast<device::LPARAM>(&query))) return false;
    text = buffer;
    return true;
}

void SetChildIndicator(Program& program, HTREEITEM item, int children) {
    controls::TVITEMW change;
    change.mask = controls::TVIF_CHILDREN;
    change.hItem = item;
    change.cChildren = children;
    SendToTree(program, controls::TVM_SETITEMW, 0, reinterpret_cast<device::LPARAM>(&change));
}

// Deletes the children one by one. Deleting the selected folder moves the
// selection to item, whose handler may refill it, so this takes the first
// child until none is left rather than walking stale siblings.
void DeleteChildItems(Program& program, HTREEITEM item) {
    while (HTREEITEM child = FirstChild(program, item)) {
        if (!SendToTree(program, controls::TVM_DELETEITEM, 0, reinterpret_cast<device::LPARAM>(child))) break;
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

// The subfolders pattern finds (only the first with firstOnly) whose own
// pattern fits the 260-character path buffer with its terminating zero.
// Deeper folders cannot be read on the device, and a link that leads back
// to its own folder would otherwise take the tree on for ever.
std::vector<std::u16string> Subfolders(std::u16string_view pattern, bool firstOnly) {
    const std::u16string folder = FolderOfPattern(pattern);
    std::vector<std::u16string> names;
    files::WIN32_FIND_DATA data;
    files::FindHandle search = files::FindFirstFile(pattern, &data);
    for (bool more = search != nullptr; more; more = files::FindNextFile(search, &data)) {
        if (!IsFolder(data) || PatternOfFolder(folder, data.cFileName).size() >= size_t(kMaxPath)) continue;
        names.emplace_back(data.cFileName);
        if (firstOnly) break;
    }
    files::FindClose(search);
    return names;
}

bool HasSubfolder(std::u16string_view pattern) { return !Subfolders(pattern, true).empty(); }

// Inserts the folder item after `after` (TVI_SORT: sorted among its siblings).
HTREEITEM InsertFolderIn(Program& program, HTREEITEM parent, std::u16string_view parentFolder, std::u16string_view name,
                         HTREEITEM after = controls::TVI_SORT) {
    if (name == u"." || name == u"..") return nullptr;
    std::u16string text(name);
    controls::TVINSERTSTRUCTW insert;
    insert.hParent = parent ? parent : controls::TVI_ROOT;
    insert.hInsertAfter = after;
    insert.item.mask = controls::TVIF_TEXT | controls::TVIF_CHILDREN;
    insert.item.pszText = text.data();
    insert.item.cChildren = 1;
    const auto item = reinterpret_cast<HTREEITEM>(
        SendToTree(program, controls::TVM_INSERTITEMW, 0, reinterpret_cast<device::LPARAM>(&insert)));
    if (!item) return nullptr;
    if (!HasSubfolder(PatternOfFolder(parentFolder, name))) SetChildIndicator(program, item, 0);
    return item;
}

// The names of the subfolders pattern finds, in the tree's order.
std::vector<std::u16string> SortedSubfolders(std::u16string_view pattern) {
    std::vector<std::u16string> names = Subfolders(pattern, false);
    // Stable, as the control keeps equal texts in insertion order.
    std::stable_sort(names.begin(), names.end(), [](const std::u16string& a, const std::u16string& b) {
        return controls::CompareItemText(a, b) < 0;
    });
    return names;
}

// Inserts the subfolders under item; with listFiles, also scans the folder's
// pictures before an item without subfolders loses its expand button. The
// item's children were just deleted, so the names are sorted once and each
// goes last: the order the control's sorted insert gives, without a search
// through thousands of siblings for each.
int FillChildren(Program& program, std::u16string_view pattern, HTREEITEM item, bool listFiles) {
    const std::u16string folder = FolderOfPattern(pattern);
    int inserted = 0;
    for (const std::u16string& name : SortedSubfolders(pattern))
        if (InsertFolderIn(program, item, folder, name, controls::TVI_LAST)) inserted = 1;
    if (listFiles) {
        program.fileList.scanPath = pattern;
        ScanFolder(program.fileList);
        RefillFileView(program);
    }
    if (!inserted) SetChildIndicator(program, item, 0);
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

void FillFolderTree(Program& program) {
    HTREEITEM root = InsertFolderItem(program, nullptr, u"\\");
    if (!root) return;
    SendToTree(program, controls::TVM_SELECTITEM, controls::TVGN_CARET, reinterpret_cast<device::LPARAM>(root));
    SendToTree(program, controls::TVM_EXPAND, controls::TVE_EXPAND, reinterpret_cast<device::LPARAM>(root));
}

HTREEITEM InsertFolderItem(Program& program, HTREEITEM parent, std::u16string_view name) {
    std::u16string parentFolder;
    if (parent) {
        std::u16string parentPattern;
        if (!PathOfTreeItem(program, parent, parentPattern)) return nullptr;
        parentFolder = FolderOfPattern(parentPattern);
    }
    return InsertFolderIn(program, parent, parentFolder, name);
}

int PathOfTreeItem(Program& program, HTREEITEM item, std::u16string& pattern) {
    std::u16string path;
    if (!ReadItemText(program, item, path)) return 0;
    for (HTREEITEM up = NextItem(program, item, controls::TVGN_PARENT); up; up = NextItem(program, up, controls::TVGN_PARENT)) {
        std::u16string text;
        if (!ReadItemText(program, up, text)) return 0;
        path = text == u"\\" ? text + path : text + u"\\" + path;
    }
    pattern = path + (path == u"\\" ? u"*.*" : u"\\*.*");
    return 1;
}

int FillFolderChildren(Program& program, std::u16string_view pattern, HTREEITEM item) { return FillChildren(program, pattern, item, false); }

int FillFolderChildrenAndFiles(Program& program, std::u16string_view pattern, HTREEITEM item) {
    return FillChildren(program, pattern, item, true);
}

void RevealFolder(Program& program, std::u16string_view path) {
    const std::vector<std::u16string_view> components = PathComponents(path);
    HTREEITEM item = FirstChild(program, NextItem(program, nullptr, controls::TVGN_ROOT));
    for (size_t next = 0; next < components.size() && item;) {
        std::u16string text;
        if (!ReadItemText(program, item, text) || text != components[next]) {
            item = NextItem(program, item, controls::TVGN_NEXT);
            continue;
        }
        SendToTree(program, controls::TVM_SELECTITEM, controls::TVGN_CARET, reinterpret_cast<device::LPARAM>(item));
        SendToTree(program, controls::TVM_EXPAND, controls::TVE_EXPAND, reinterpret_cast<device::LPARAM>(item));
        item = FirstChild(program, item);
        ++next;
    }
}

void OnFolderExpanding(Program& program, HTREEITEM item, uint32_t action) {
    if ((action & controls::TVE_TOGGLE) != controls::TVE_EXPAND || !item) return;
    DeleteChildItems(program, item);
    std::u16string pattern;
    if (!PathOfTreeItem(program, item, pattern)) return;
    FillFolderChildren(program, pattern, item);
    // The file rows belong to the selected folder: opening or deleting a row
    // builds its path from program.currentFolder, so expanding some other folder must
    // not move it away from the folder the rows came from.
    const HTREEITEM selected = NextItem(program, nullptr, controls::TVGN_CARET);
    if (!selected || selected == item) program.currentFolder = FolderOfPattern(pattern);
    program.grid.scrollY = 0;
}

void OnFolderSelected(Program& program, HTREEITEM item) {
    // The generator must not walk the FileList while it is rebuilt. A pass
    // can outlive a switch from the grid to the list, so it is ended whatever
    // the browse view (stopping no pass does nothing).
    StopThumbnailGenerator(program);
    if (item) DeleteChildItems(program, item);
    ClearFileView(program.shell);
    std::u16string pattern;
    if (PathOfTreeItem(program, item, pattern)) {
        FillFolderChildrenAndFiles(program, pattern, item);
        program.currentFolder = FolderOfPattern(pattern);
    }
    ResetGridForFolder(program.grid);
    if (program.shell.rowCount > 0) {
        ShowChild(program.shell.noImages, false);
        if (!program.viewState.imageLoaded) {
            ShowChild(program.shell.thumbGrid, program.shell.thumbViewActive != 0);
            ShowChild(program.shell.fileList, !program.shell.thumbViewActive);
        }
        // A pass would take over the picture slot of a picture on view (a
        // start on a picture lists its folder behind it): the pass waits
        // for the way back to the grid.
        if (program.shell.thumbViewActive && !PictureOnView(program)) {
            if (program.shell.thumbGrid) device::InvalidateRect(program.shell.thumbGrid, nullptr, true);
            StartThumbnailGenerator(program);
        } else {
            program.shell.thumbRestartPending = 1;
        }
        return;
    }
    FreeFileList(program.fileList);
    ShowChild(program.shell.thumbGrid, false);
    ShowChild(program.shell.fileList, false);
    ShowChild(program.shell.noImages, true);
}

}  // namespace ezo
