#pragma once
// The pictures of the folder being browsed: one FileEntry per JPEG, BMP or
// GIF file, in a singly linked list that owns its entries. Every view of the
// folder reads it; browse/file_list.h fills and orders it.
#include <cstdint>
#include <memory>
#include <string>

#include "platform/gdi/bitmap.h"
#include "shell/image_kind.h"

namespace ezo {

constexpr int kMaxPath = 260;

struct FileEntry {
    std::unique_ptr<FileEntry> next;
    int32_t index = 0;      // 1 for the head, consecutive
    int32_t thumbTop = 0;   // thumbnail offsets in its grid cell
    int32_t thumbLeft = 0;
    uint32_t kind = Bmp;    // an ImageKind
    int32_t nameLength = 0;
    std::u16string name;    // file name without folder, at most 259 characters
    gdi::BitmapPtr thumbnail;
    uint64_t size = 0;      // the file size in bytes
    uint64_t modified = 0;  // last write, UTC FILETIME ticks
};

struct FileList {
    FileList() = default;
    FileList(const FileList&) = delete;
    FileList& operator=(const FileList&) = delete;
    // Unlinks one entry at a time: a long chain must not recurse.
    ~FileList() { Clear(); }

    void Clear() {
        std::unique_ptr<FileEntry> entry = std::move(head);
        while (entry) entry = std::move(entry->next);
        count = 0;
    }

    std::unique_ptr<FileEntry> head;
    int32_t count = 0;
    int32_t ascending = 1;
    // A path inside the listed folder: the folder ending in "\" (maybe with
    // "*.*"), or the full path of the picture last loaded.
    std::u16string scanPath;
};

}  // namespace ezo
