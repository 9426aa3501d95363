#include "platform/gdi/memory_budget.h"

#include <atomic>

namespace gdi {
namespace {
// Bitmaps are made on the UI thread and on the thumbnail thread.
std::atomic<uint64_t> budget{kDefaultMemoryBudget};
std::atomic<uint64_t> inUse{0};
}  // namespace

void SetMemoryBudget(uint64_t bytes) { budget.store(bytes); }
uint64_t MemoryBudget() { return budget.load(); }
uint64_t MemoryInUse() { return inUse.load(); }

uint64_t MemoryAvailable() {
    uint64_t limit = budget.load(), used = inUse.load();
    return used < limit ? limit - used : 0;
}

bool ReserveMemory(uint64_t bytes) {
    uint64_t used = inUse.load();
    do {
        const uint64_t limit = budget.load();
        if (bytes > limit || used > limit - bytes) return false;
    } while (!inUse.compare_exchange_weak(used, used + bytes));
    return true;
}

void ReleaseMemory(uint64_t bytes) { inUse.fetch_sub(bytes); }

}  // namespace gdi
