#pragma once
// The pictures of the folder being browsed: one FileEntry per JPEG, BMP or GIF
// file, in a singly linked list that every view of the folder reads.
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

#include "image/image_kind.h"
#include "platform/gdi/bitmap.h"

namespace ezo {

constexpr int kMaxPath = 260;

struct FileEntry {
    FileEntry* next = nullptr;
    int32_t index = 0;      // 1 for the head, consecutive
    int32_t thumbTop = 0;   // thumbnail offsets in its grid cell
    int32_t thumbLeft = 0;
    uint32_t kind = Bmp;    // an ImageKind
    int32_t nameLength = 0;
    std::u16string name;    // file name without folder, at most 259 characters
    gdi::BitmapPtr thumbnail;
    uint32_t size = 0;      // low 32 bits of the file size
    uint64_t modified = 0;  // last write, UTC FILETIME ticks
};

struct FileList {
    FileEntry* head = nullptr;
    int32_t count = 0;
    int32_t ascending = 1;
    // A path inside the listed folder: the folder ending in "\" (maybe with
    // "*.*"), or the full path of the picture last loaded.
    std::u16string scanPath;
};

extern FileList fileList;

// Set by the shell: refills the file list control after every scan.
extern std::function<void()> onFileListRefilled;

// Rebuilds the list from the folder of scanPath: one entry per name the
// extension rule accepts, in the reverse of the order the folder lists them,
// numbered 1, 2, 3...; then calls onFileListRefilled.
void ScanFolder();
// Releases every entry and its thumbnail.
void FreeFileList();
// Sets index to 1, 2, 3... from head.
void NumberFileList();
// Orders the entries' contents by name, ignoring case, in the direction
// `ascending` gives; the links stay. The caller numbers the list afterwards.
void SortFileList();

// The extension rule: the kind of a picture by its name's extension, tested
// without regard to case in the order .gif, .jpg, .jpeg, .bmp; -1 for a name
// that is not a picture.
int ImageKindOfName(std::u16string_view name);

}  // namespace ezo
