#pragma once
// The folder tree ("DirectoryView"): the device's folders, read lazily each
// time a folder is expanded or selected. Selecting a folder makes it the
// program's currentFolder and lists its pictures.
#include <string>
#include <string_view>

#include "platform/controls/tree_view.h"
#include "shell/program.h"

namespace ezo {

// Puts the root "\" into the empty tree, selects and expands it.
void FillFolderTree(Program& program);
// Inserts folder name under parent (the top level when null), sorted, with
// an expand button only when it has a subfolder. Null for "." and "..".
controls::HTREEITEM InsertFolderItem(Program& program, controls::HTREEITEM parent, std::u16string_view name);
// The search pattern of the item's folder ("\*.*", "\My Documents\*.*");
// 0 when the item's text cannot be read.
int PathOfTreeItem(Program& program, controls::HTREEITEM item, std::u16string& pattern);
// Inserts the subfolders pattern finds under item; 1 when it inserted any.
int FillFolderChildren(Program& program, std::u16string_view pattern, controls::HTREEITEM item);
// The same, then lists the folder's pictures into the FileList.
int FillFolderChildrenAndFiles(Program& program, std::u16string_view pattern, controls::HTREEITEM item);
// Selects and expands, level by level, the items along path.
void RevealFolder(Program& program, std::u16string_view path);
// The tree's notifications, as the main window receives them.
void OnFolderExpanding(Program& program, controls::HTREEITEM item, uint32_t action);
void OnFolderSelected(Program& program, controls::HTREEITEM item);

}  // namespace ezo
