#pragma once
// Pixel memory for bitmaps. Large blocks are expensive to get: the kernel
// zero-fills every page on first touch, which for a 48-megapixel picture
// costs about as much as a third of its decode. The viewer frees one picture
// and makes the next of a similar size straight after, so the last large
// block freed is kept and handed to the next large request it fits.
#include <cstddef>
#include <cstdint>

namespace gdi {

// Blocks at least this large are kept for reuse when freed.
constexpr size_t kReusableBlockBytes = size_t(1) << 20;

// Zeroed memory of at least bytes (capacity says how much); null on failure.
uint8_t* AllocatePixels(size_t bytes, size_t* capacity);
void FreePixels(uint8_t* pixels, size_t capacity);
// Gives the kept block back to the system (tests, low memory).
void ReleaseKeptPixels();

}  // namespace gdi
