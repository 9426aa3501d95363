#pragma once
// Filling and ordering the list of the folder's pictures (shell/file_entries.h).
#include <string_view>

#include "shell/file_entries.h"

namespace ezo {

// Rebuilds the list from the folder of scanPath: one entry per name the
// extension rule accepts, in the reverse of the order the folder lists them,
// numbered 1, 2, 3... The caller shows the rows.
void ScanFolder(FileList& fileList);
// Releases every entry and its thumbnail.
void FreeFileList(FileList& fileList);
// Sets index to 1, 2, 3... from head.
void NumberFileList(FileList& fileList);
// Orders the entries' contents by name, ignoring case, in the direction
// `ascending` gives; the links stay. The caller numbers the list afterwards.
void SortFileList(FileList& fileList);
// Whether the entries stand in the order SortFileList gives (as they do
// after a sort, or by chance).
bool FileListSorted(const FileList& fileList);

// The extension rule: the kind of a picture by its name's extension, tested
// without regard to case in the order .gif, .jpg, .jpeg, .bmp; -1 for a name
// that is not a picture.
int ImageKindOfName(std::u16string_view name);

}  // namespace ezo
