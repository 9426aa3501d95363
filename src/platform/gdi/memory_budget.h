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

// Memory taken from the budget for a scope, for buffers that are not bitmaps
// (a decoder's whole-picture work image); held() is false when it did not fit.
class MemoryReservation {
public:
    explicit MemoryReservation(uint64_t bytes) : bytes_(ReserveMemory(bytes) ? bytes : 0), held_(bytes_ == bytes) {}
    ~MemoryReservation() { ReleaseMemory(bytes_); }
    MemoryReservation(const MemoryReservation&) = delete;
    MemoryReservation& operator=(const MemoryReservation&) = delete;
    bool held() const { return held_; }

private:
    uint64_t bytes_;
    bool held_;
};

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
