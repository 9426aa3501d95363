#include "platform/device/clock.h"

namespace device {

Clock::Clock(Kind kind) : kind_(kind) { real_.start(); }

uint64_t Clock::now() const {
    if (isVirtual()) return virtualMs_.load();
    return static_cast<uint64_t>(real_.elapsed());
}

void Clock::makeVirtual(uint64_t startMs) {
    virtualMs_.store(startMs);
    kind_.store(Kind::Virtual);
}

void Clock::makeReal() { kind_.store(Kind::Real); }

void Clock::advance(uint64_t ms) {
    if (isVirtual()) virtualMs_.fetch_add(ms);
}

void Clock::advanceTo(uint64_t atMs) {
    if (!isVirtual()) return;
    uint64_t current = virtualMs_.load();
    while (atMs > current && !virtualMs_.compare_exchange_weak(current, atMs)) {
    }
}

Clock& DeviceClock() {
    static Clock clock;
    return clock;
}

uint32_t GetTickCount() { return static_cast<uint32_t>(DeviceClock().now()); }

}  // namespace device
