#include "platform/gdi/pixel_memory.h"

#include <cstdlib>
#include <cstring>
#include <mutex>

namespace gdi {
namespace {

// Bitmaps are made and freed on the UI thread and the thumbnail thread.
std::mutex keptMutex;
uint8_t* kept = nullptr;
size_t keptCapacity = 0;

// A kept block serves a request of at least 3/4 of its size, so a small
// picture does not sit on the memory of a much larger one.
bool Fits(size_t capacity, size_t bytes) { return bytes <= capacity && bytes >= capacity - capacity / 4; }

}  // namespace

uint8_t* AllocatePixels(size_t bytes, size_t* capacity) {
    if (bytes >= kReusableBlockBytes) {
        std::unique_lock lock(keptMutex);
        if (kept && Fits(keptCapacity, bytes)) {
            uint8_t* block = kept;
            *capacity = keptCapacity;
            kept = nullptr;
            keptCapacity = 0;
            lock.unlock();
            std::memset(block, 0, bytes);
            return block;
        }
    }
    // calloc: large blocks come straight from the kernel already zeroed.
    auto* block = static_cast<uint8_t*>(std::calloc(bytes, 1));
    *capacity = block ? bytes : 0;
    return block;
}

void FreePixels(uint8_t* pixels, size_t capacity) {
    if (!pixels) return;
    if (capacity >= kReusableBlockBytes) {
        std::lock_guard lock(keptMutex);
        std::swap(pixels, kept);
        keptCapacity = capacity;
    }
    std::free(pixels);  // the block replaced, or a small one
}

void ReleaseKeptPixels() {
    std::lock_guard lock(keptMutex);
    std::free(kept);
    kept = nullptr;
    keptCapacity = 0;
}

}  // namespace gdi
