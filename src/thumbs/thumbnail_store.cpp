#include "thumbs/thumbnail_store.h"

#include <string>

#include "image/platform_decoding.h"
#include "platform/device/window_api.h"
#include "platform/files/find_file.h"
#include "shell/program.h"
#include "shell/thumbnail_thread.h"
#include "thumbs/thumb_file.h"
#include "thumbs/thumb_index.h"

namespace ezo {
namespace {

constexpr std::u16string_view kStoreFolder = u"\\Program Files\\Ezo\\Thumbnails\\";
constexpr std::u16string_view kIndexName = u"index.tmb";

std::u16string IndexPath() { return std::u16string(kStoreFolder) + std::u16string(kIndexName); }

// Opens the index for update, creating it when missing (the folder must
// exist). Null when it cannot be had either way.
files::FilePtr OpenIndexFile() {
    const std::u16string path = IndexPath();
    files::FilePtr file = files::_wfopen(path, u"r+b");
    if (file) return file;
    if (!files::_wfopen(path, u"a")) return nullptr;
    return files::_wfopen(path, u"r+b");
}

void OpenIndex(ThumbnailStore& store) {
    store.indexFile = OpenIndexFile();
    store.enabled = store.indexFile ? 1 : 0;
}

void DeleteStoreFiles() {
    const std::u16string pattern = std::u16string(kStoreFolder) + u"*.*";
    files::WIN32_FIND_DATA found;
    files::FindHandle search = files::FindFirstFile(pattern, &found);
    if (!search) return;
    do {
        if (found.dwFileAttributes & files::FILE_ATTRIBUTE_DIRECTORY) continue;
        files::DeleteFile(std::u16string(kStoreFolder) + found.cFileName);
    } while (files::FindNextFile(search, &found));
    files::FindClose(search);
}

}  // namespace

void OpenThumbnailStore(ThumbnailStore& store) {
    CloseThumbnailStore(store);
    OpenIndex(store);
    if (store.enabled) ReadThumbIndex(store.indexFile.get(), store);
}

void CloseThumbnailStore(ThumbnailStore& store) {
    store.records.clear();
    store.highestNumber = 0;
    store.indexFile.reset();
    store.enabled = 0;
}

int32_t FindThumbnail(const ThumbnailStore& store, const std::u16string& name, uint32_t size, int32_t& thumbLeft,
                      int32_t& thumbTop) {
    if (!store.enabled) return -1;
    for (auto it = store.records.rbegin(); it != store.records.rend(); ++it) {
        if (it->size != size || it->name != name) continue;
        thumbLeft = it->thumbLeft;
        thumbTop = it->thumbTop;
        return it->number;
    }
    return -1;
}

int AddThumbnailRecord(ThumbnailStore& store, const ThumbIndexRecord& record, int writeToFile) {
    if (!store.enabled) return 0;
    store.records.push_back(record);
    if (!writeToFile) return 1;
    // One write of the whole slot: a kill leaves it whole or short, and a
    // short last slot is no record.
    const ThumbRecordBytes bytes = EncodeThumbRecord(record);
    std::FILE* file = store.indexFile.get();
    if (std::fseek(file, long(record.number) * long(kThumbRecordSize), SEEK_SET) == 0 &&
        std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size())
        std::fflush(file);
    return 1;
}

std::u16string ThumbnailFileName(int32_t number) {
    const std::string digits = std::to_string(number);
    return std::u16string(kStoreFolder) + u"ezo" + std::u16string(digits.begin(), digits.end()) + u".ezo";
}

gdi::BitmapPtr LoadThumbnailFile(const ThumbnailStore& store, int32_t number) {
    if (!store.enabled) return nullptr;
    return DecodeToNewBitmap(ThumbnailFileName(number));
}

int StoreThumbnailFile(const ThumbnailStore& store, const gdi::Bitmap& thumbnail, int32_t number) {
    if (!store.enabled) return 0;
    return SaveThumbnailFile(thumbnail, ThumbnailFileName(number));
}

void EmptyThumbnailStore(Program& program) {
    // The pass uses the store: it stops first, and goes on afterwards with
    // the entries it had not reached, so their cells do not stay empty.
    const int passStarted = ThumbnailGeneratorRunning(program);
    StopThumbnailGenerator(program);
    ThumbnailStore& store = program.thumbnailStore;
    store.records.clear();
    store.highestNumber = 0;
    if (store.enabled) {
        store.indexFile.reset();
        device::SetCursor(device::Cursor::Wait);
        DeleteStoreFiles();
        OpenIndex(store);
        device::SetCursor(device::Cursor::Arrow);
    }
    if (passStarted) StartThumbnailGenerator(program);
}

int32_t ThumbnailStoreHighestNumber(const Program& program) { return program.thumbnailStore.highestNumber; }

}  // namespace ezo
