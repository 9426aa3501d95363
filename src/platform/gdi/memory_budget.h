#pragma once
// The pixel memory of all bitmaps counts against one budget, standing in for
// the handheld's small RAM: a bitmap whose memory would pass the limit is not
// created, and callers take their out-of-memory paths.
#include <cstdint>

namespace gdi {

constexpr uint64_t kDefaultMemoryBudget = 512ull << 20;

void SetMemoryBudget(uint64_t bytes);
uint64_t MemoryBudget();
uint64_t MemoryInUse();
uint64_t MemoryAvailable();

// Takes bytes from the budget; false (and nothing taken) when they do not fit.
bool ReserveMemory(uint64_t bytes);
void ReleaseMemory(uint64_t bytes);

// Sets the budget for a scope and puts the old one back (tests).
class ScopedMemoryBudget {
public:
    explicit ScopedMemoryBudget(uint64_t bytes) : saved_(MemoryBudget()) { SetMemoryBudget(bytes); }
    ~ScopedMemoryBudget() { SetMemoryBudget(saved_); }
    ScopedMemoryBudget(const ScopedMemoryBudget&) = delete;
    ScopedMemoryBudget& operator=(const ScopedMemoryBudget&) = delete;

private:
    uint64_t saved_;
};

}  // namespace gdi
