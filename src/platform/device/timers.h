#pragma once
// Window timers with the handheld's semantics, on the device clock.
//
// A timer is named by its window and id. Setting a running (window, id)
// again restarts it with the new period, counted from that moment. Killing
// one that does not run is harmless. A tick is due every period; a late
// loop gets one tick, not a burst of the missed ones. A period of 0 counts
// as 1 ms. Ticks are handed to one sink on the UI thread, which sends the
// timer message to the window, or calls the timer's callback when it has
// one. A tick handler may kill or re-set any timer, its own included.
//
// With a real clock one single-shot QTimer waits for the nearest deadline
// (none armed when no timer runs); it needs the Qt application, so timers
// set before there is one start waiting at the next SetTimer or KillTimer.
// With a virtual clock nothing fires until advance() moves time on.
//
// SetTimer, KillTimer, KillAllTimers and advance are UI-thread calls: the
// service belongs to the thread that made it.
#include <QPointer>

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <thread>
#include <vector>

#include "platform/device/clock.h"
#include "platform/device/window_api.h"

class QTimer;

namespace device {

// The callback form of a timer: (window, timer message, id, tick count).
using TimerProc = void (*)(HWND window, unsigned message, uintptr_t id, uint32_t time);

// One running timer, as listed for a state dump.
struct TimerInfo {
    HWND window = nullptr;
    uintptr_t id = 0;
    uint32_t periodMs = 0;
    uint64_t dueMs = 0;
    bool hasCallback = false;
};

class TimerService {
public:
    // Receives every tick: proc is the timer's callback or null.
    using TickSink = std::function<void(HWND window, uintptr_t id, TimerProc proc, uint32_t nowMs)>;

    // The shortest period; 0 asks for this.
    static constexpr uint32_t kMinimumPeriodMs = 1;
    // The timer message number handed to callbacks by the default sink.
    static constexpr unsigned kTimerMessage = 0x0113;

    explicit TimerService(Clock& clock);
    ~TimerService();
    TimerService(const TimerService&) = delete;
    TimerService& operator=(const TimerService&) = delete;

    // Starts or restarts (window, id) and returns id. A null window gets a
    // fresh id of its own choosing (id is then ignored). Returns 0 when a
    // window asks for id 0, which could not be told from failure.
    uintptr_t SetTimer(HWND window, uintptr_t id, uint32_t elapseMs, TimerProc proc);
    // Stops (window, id); false when no such timer runs.
    bool KillTimer(HWND window, uintptr_t id);
    // Stops every timer of a window that is going away.
    void KillAllTimers(HWND window);

    // Default sink (until one is set): calls the callback, drops the rest.
    void setTickSink(TickSink sink);
    // Called after each tick that advance() delivers, so the messages and
    // paints the tick caused are handled before the next one.
    void setBetweenTicks(std::function<void()> hook);

    // Running timers in the order they were set.
    std::vector<TimerInfo> running() const;
    // The nearest deadline, if any timer runs.
    std::optional<uint64_t> nextDue() const;

    // Virtual clock: delivers every tick due up to now + ms in time order
    // (ties in the order the timers were set), moving the clock to each
    // tick, then leaves the clock at now + ms. Returns the ticks delivered.
    // Does nothing on a real clock.
    size_t advance(uint64_t ms);

    // Delivers every tick due now, each timer at most once. The real clock's
    // QTimer calls this; tests may too.
    size_t deliverDue();

private:
    struct Timer {
        HWND window;
        uintptr_t id;
        uint32_t periodMs;
        TimerProc proc;
        uint64_t dueMs;
        uint64_t order;  // when it was set, to break ties
    };

    Timer* find(HWND window, uintptr_t id);
    // The earliest timer due at or before limitMs, or null.
    Timer* earliestDueBy(uint64_t limitMs);
    void deliver(Timer& timer, uint64_t nowMs);
    uintptr_t freeNullWindowId() const;
    void arm();
    bool onOwnerThread() const { return std::this_thread::get_id() == owner_; }

    Clock& clock_;
    std::thread::id owner_;
    std::vector<Timer> timers_;
    uint64_t nextOrder_ = 0;
    TickSink sink_;
    std::function<void()> betweenTicks_;
    QPointer<QTimer> wake_;
};

// The device's timer service, on DeviceClock().
TimerService& Timers();

uintptr_t SetTimer(HWND window, uintptr_t id, uint32_t elapseMs, TimerProc proc);
bool KillTimer(HWND window, uintptr_t id);

}  // namespace device
