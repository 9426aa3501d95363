#pragma once
// The one clock of the device. In the desktop window it follows real time
// (monotonic milliseconds since the clock was made); in the headless driver it
// is virtual: it starts at 0 and moves only when told to, so timed behaviour
// runs in no time and always the same way.
#include <QElapsedTimer>

#include <atomic>
#include <cstdint>

namespace device {

class Clock {
public:
    enum class Kind { Real, Virtual };

    explicit Clock(Kind kind = Kind::Real);
    Clock(const Clock&) = delete;
    Clock& operator=(const Clock&) = delete;

    Kind kind() const { return kind_.load(); }
    bool isVirtual() const { return kind() == Kind::Virtual; }

    // Milliseconds on this clock. Safe from any thread.
    uint64_t now() const;

    // Switches to virtual time starting at startMs, or back to real time.
    // Meant for start-up, before any timer runs.
    void makeVirtual(uint64_t startMs = 0);
    void makeReal();

    // Virtual clock only (ignored on the real one): moves time forward by ms,
    // or to atMs. Time never goes back: an earlier atMs leaves it as it is.
    void advance(uint64_t ms);
    void advanceTo(uint64_t atMs);

private:
    std::atomic<Kind> kind_;
    std::atomic<uint64_t> virtualMs_{0};
    QElapsedTimer real_;
};

// The device's clock, real until the headless driver makes it virtual.
Clock& DeviceClock();

// Milliseconds since the device started, wrapping after 49.7 days, as the
// handheld's tick count does.
uint32_t GetTickCount();

}  // namespace device
