// Feeds arbitrary bytes to the thumbnail index reader as an index file, and
// checks that every record it keeps is sound and writes back to the slot it
// came from.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "thumbs/thumb_index.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::FILE* file = size ? fmemopen(const_cast<uint8_t*>(data), size, "rb") : std::tmpfile();
    if (!file) return 0;
    ezo::ThumbnailStore store;
    ezo::ReadThumbIndex(file, store);
    std::fclose(file);
    if (store.records.size() > size / ezo::kThumbRecordSize) std::abort();
    for (const ezo::ThumbIndexRecord& record : store.records) {
        if (record.number < 1 || record.number > store.highestNumber) std::abort();
        if (record.name.empty() || record.name.size() >= ezo::kThumbNameUnits) std::abort();
        const std::optional<ezo::ThumbIndexRecord> again = ezo::DecodeThumbRecord(ezo::EncodeThumbRecord(record).data());
        if (!again || again->name != record.name || again->number != record.number || again->size != record.size)
            std::abort();
    }
    if (store.highestNumber > ezo::kMaxThumbnailNumber) std::abort();
    return 0;
}
