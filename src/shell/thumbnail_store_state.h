#pragma once
// The thumbnail store's state: the open index file and the records read from
// it or added since. Part of the program's state (shell/program.h); the
// operations are in thumbs/thumbnail_store.h.
#include <atomic>
#include <cstdint>
#include <string>
#include <vector>

#include "platform/files/file_io.h"

namespace ezo {

// One record of the index: the picture's file name (no folder) and size find
// the thumbnail file of this number, drawn at these offsets in its box.
struct ThumbIndexRecord {
    std::u16string name;
    int32_t number = 0;
    uint32_t size = 0;  // the low 32 bits of the picture's file size
    int32_t thumbLeft = 0;
    int32_t thumbTop = 0;
};

struct ThumbnailStore {
    // "index.tmb", open for update from the store's opening to its closing.
    files::FilePtr indexFile;
    int enabled = 0;
    // The highest number in use; the next thumbnail gets one more. The
    // user-interface thread reads it while a pass adds records.
    std::atomic<int32_t> highestNumber{0};
    // In the order read and added: the newest last.
    std::vector<ThumbIndexRecord> records;
};

}  // namespace ezo
