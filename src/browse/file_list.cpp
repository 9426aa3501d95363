#include "browse/file_list.h"

#include <algorithm>
#include <new>
#include <numeric>
#include <vector>

#include "browse/path_text.h"
#include "platform/files/find_file.h"
#include "platform/files/name_case.h"

namespace ezo {

namespace {

struct ExtensionRule {
    std::u16string_view extension;
    ImageKind kind;
};
constexpr ExtensionRule kExtensionRules[] = {
    {u".gif", Gif}, {u".jpg", Jpg}, {u".jpeg", Jpeg}, {u".bmp", Bmp}};

// Exchanges everything but the link.
void SwapContents(FileEntry& a, FileEntry& b) {
    std::swap(a.index, b.index);
    std::swap(a.thumbTop, b.thumbTop);
    std::swap(a.thumbLeft, b.thumbLeft);
    std::swap(a.kind, b.kind);
    std::swap(a.nameLength, b.nameLength);
    std::swap(a.name, b.name);
    std::swap(a.thumbnail, b.thumbnail);
    std::swap(a.size, b.size);
    std::swap(a.modified, b.modified);
}

// True when the name of s must give way to the name of q.
bool OutOfOrder(const std::u16string& s, const std::u16string& q, bool ascending) {
    const int order = files::CompareNoCase(s, q);
    return ascending ? order > 0 : order < 0;
}

// The exchange selection sort, step for step: P takes the smallest (or
// greatest) remaining name; the name it passes over lands where the smaller
// one was found. Quadratic; used only when names tie, where its order of the
// tied entries differs from any stable sort's.
void ExchangeSelectionSort(const std::vector<FileEntry*>& nodes, bool ascending) {
    FileEntry scratch;
    for (size_t p = 0; p < nodes.size(); ++p) {
        SwapContents(scratch, *nodes[p]);
        for (size_t q = p + 1; q < nodes.size(); ++q) {
            if (OutOfOrder(scratch.name, nodes[q]->name, ascending)) SwapContents(scratch, *nodes[q]);
        }
        SwapContents(*nodes[p], scratch);
    }
}

}  // namespace

int ImageKindOfName(std::u16string_view name) {
    for (const ExtensionRule& rule : kExtensionRules) {
        if (files::EndsWithNoCase(name, rule.extension)) return rule.kind;
    }
    return -1;
}

void FreeFileList(FileList& fileList) { fileList.Clear(); }

void NumberFileList(FileList& fileList) {
    int32_t index = 1;
    for (FileEntry* entry = fileList.head.get(); entry; entry = entry->next.get()) entry->index = index++;
}

void ScanFolder(FileList& fileList) {
    if (fileList.head) FreeFileList(fileList);
    const std::u16string pattern = FolderOfPath(fileList.scanPath) + u"*.*";
    files::WIN32_FIND_DATA data;
    files::FindHandle search = files::FindFirstFile(pattern, &data);
    int32_t kept = 0;
    for (bool more = search != nullptr; more; more = files::FindNextFile(search, &data)) {
        // Only files are listed: a folder named like a picture is not one.
        if (data.dwFileAttributes & files::FILE_ATTRIBUTE_DIRECTORY) continue;
        const std::u16string_view name(data.cFileName);
        const int kind = ImageKindOfName(name);
        if (kind < 0) continue;
        // Out of memory: keep the entries gathered so far.
        std::unique_ptr<FileEntry> entry(new (std::nothrow) FileEntry);
        if (!entry) break;
        entry->next = std::move(fileList.head);
        entry->index = kept;
        entry->kind = uint32_t(kind);
        entry->name.assign(name.substr(0, kMaxPath - 1));
        entry->nameLength = int32_t(entry->name.size());
        entry->size = (uint64_t(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
        entry->modified = files::FileTimeTicks(data.ftLastWriteTime);
        fileList.head = std::move(entry);
        ++kept;
    }
    fileList.count = kept;
    NumberFileList(fileList);
    files::FindClose(search);
}

bool FileListSorted(const FileList& fileList) {
    for (const FileEntry* e = fileList.head.get(); e && e->next; e = e->next.get())
        if (OutOfOrder(e->name, e->next->name, fileList.ascending != 0)) return false;
    return true;
}

void SortFileList(FileList& fileList) {
    std::vector<FileEntry*> nodes;
    for (FileEntry* entry = fileList.head.get(); entry; entry = entry->next.get()) nodes.push_back(entry);
    const bool ascending = fileList.ascending != 0;

    std::vector<size_t> order(nodes.size());
    std::iota(order.begin(), order.end(), size_t(0));
    std::stable_sort(order.begin(), order.end(), [&](size_t a, size_t b) {
        return OutOfOrder(nodes[b]->name, nodes[a]->name, ascending);
    });
    const bool ties = std::adjacent_find(order.begin(), order.end(), [&](size_t a, size_t b) {
                          return files::CompareNoCase(nodes[a]->name, nodes[b]->name) == 0;
                      }) != order.end();
    if (ties) {
        ExchangeSelectionSort(nodes, ascending);
        return;
    }
    // Distinct names have one order only: move the contents into it.
    std::vector<FileEntry> sorted(nodes.size());
    for (size_t i = 0; i < order.size(); ++i) SwapContents(sorted[i], *nodes[order[i]]);
    for (size_t i = 0; i < nodes.size(); ++i) SwapContents(*nodes[i], sorted[i]);
}

}  // namespace ezo
