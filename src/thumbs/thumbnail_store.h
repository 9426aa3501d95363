#pragma once
// The thumbnails of large pictures kept on disk between runs: an index of
// 540-byte records and one small JPEG file per thumbnail.
#include <cstdint>

namespace ezo {

struct Program;

// Deletes every stored thumbnail and the index and starts a new empty index.
// The caller stops the generator pass first.
void EmptyThumbnailStore(Program& program);
// The highest thumbnail number in use; 0 when the store holds nothing.
int32_t ThumbnailStoreHighestNumber(const Program& program);

}  // namespace ezo
