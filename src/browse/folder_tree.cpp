#include "browse/folder_tree.h"

namespace ezo {

void FillFolderTree() {}
controls::HTREEITEM InsertFolderItem(controls::HTREEITEM, std::u16string_view) { return nullptr; }
int PathOfTreeItem(controls::HTREEITEM, std::u16string&) { return 0; }
int FillFolderChildren(std::u16string_view, controls::HTREEITEM) { return 0; }
int FillFolderChildrenAndFiles(std::u16string_view, controls::HTREEITEM) { return 0; }
void RevealFolder(std::u16string_view) {}
void OnFolderExpanding(controls::HTREEITEM, uint32_t) {}
void OnFolderSelected(controls::HTREEITEM) {}

}  // namespace ezo
