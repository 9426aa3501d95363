#pragma once
// The thumbnails of large pictures kept on disk between runs: an index of
// 540-byte records (thumbs/thumb_index.h) and one small JPEG file per
// thumbnail, in "\Program Files\Ezo\Thumbnails". The store never creates
// that folder. When the index cannot be opened the store is off: nothing is
// found, nothing is recorded, and no file is written.
//
// While a pass runs, only its thread uses the store (the user-interface
// thread opens, empties and closes it with no pass running), except for the
// highest number, which may be read at any time.
#include <cstdint>
#include <string>

#include "platform/gdi/bitmap.h"
#include "shell/thumbnail_store_state.h"

namespace ezo {

struct Program;

// Opens (creating it when missing) and reads the index. At start.
void OpenThumbnailStore(ThumbnailStore& store);
// Forgets the records and closes the index. At the end; no pass may run.
void CloseThumbnailStore(ThumbnailStore& store);

// The number of the newest record for this file name (exact, case-sensitive)
// and size, with its offsets; -1 (outputs untouched) when none or off.
int32_t FindThumbnail(const ThumbnailStore& store, const std::u16string& name, uint32_t size, int32_t& thumbLeft,
                      int32_t& thumbTop);
// Records a thumbnail in memory and, when writeToFile is set, in its slot of
// the index (flushed at once, so a record on disk always follows its file).
// 0 when the store is off. Does not change the highest number.
int AddThumbnailRecord(ThumbnailStore& store, const ThumbIndexRecord& record, int writeToFile);
// "\Program Files\Ezo\Thumbnails\ezo<number>.ezo".
std::u16string ThumbnailFileName(int32_t number);
// The stored thumbnail of this number, decoded by the platform decoder;
// null when the store is off or the file is missing, cut short or damaged.
gdi::BitmapPtr LoadThumbnailFile(const ThumbnailStore& store, int32_t number);
// Writes a thumbnail made by the generator as thumbnail file number, when
// the store is on. 1 on success.
int StoreThumbnailFile(const ThumbnailStore& store, const gdi::Bitmap& thumbnail, int32_t number);

// Deletes every stored thumbnail and the index and starts a new empty index.
// A generator pass is stopped first and started again afterwards.
void EmptyThumbnailStore(Program& program);
// The highest thumbnail number in use; 0 when the store holds nothing.
int32_t ThumbnailStoreHighestNumber(const Program& program);

}  // namespace ezo
