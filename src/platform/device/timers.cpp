#include "platform/device/timers.h"

#include <QCoreApplication>
#include <QTimer>

#include <algorithm>
#include <cassert>
#include <climits>

namespace device {

TimerService::TimerService(Clock& clock) : clock_(clock), owner_(std::this_thread::get_id()) {}

TimerService::~TimerService() { delete wake_.data(); }

TimerService::Timer* TimerService::find(HWND window, uintptr_t id) {
    auto it = std::find_if(timers_.begin(), timers_.end(),
                           [&](const Timer& t) { return t.window == window && t.id == id; });
    return it == timers_.end() ? nullptr : &*it;
}

uintptr_t TimerService::freeNullWindowId() const {
    for (uintptr_t id = 1;; ++id) {
        bool used = std::any_of(timers_.begin(), timers_.end(),
                                [&](const Timer& t) { return t.window == nullptr && t.id == id; });
        if (!used) return id;
    }
}

uintptr_t TimerService::SetTimer(HWND window, uintptr_t id, uint32_t elapseMs, TimerProc proc) {
    assert(onOwnerThread());
    if (window == nullptr) {
        if (id == 0 || !find(nullptr, id)) id = freeNullWindowId();
    } else if (id == 0) {
        return 0;
    }
    uint32_t period = std::max(elapseMs, kMinimumPeriodMs);
    uint64_t due = clock_.now() + period;
    if (Timer* timer = find(window, id)) {
        // A restart counts from now and joins the tie order anew.
        *timer = Timer{window, id, period, proc, due, nextOrder_++};
    } else {
        timers_.push_back(Timer{window, id, period, proc, due, nextOrder_++});
    }
    arm();
    return id;
}

bool TimerService::KillTimer(HWND window, uintptr_t id) {
    assert(onOwnerThread());
    auto it = std::find_if(timers_.begin(), timers_.end(),
                           [&](const Timer& t) { return t.window == window && t.id == id; });
    if (it == timers_.end()) return false;
    timers_.erase(it);
    arm();
    return true;
}

void TimerService::KillAllTimers(HWND window) {
    assert(onOwnerThread());
    std::erase_if(timers_, [&](const Timer& t) { return t.window == window; });
    arm();
}

void TimerService::setTickSink(TickSink sink) { sink_ = std::move(sink); }

void TimerService::setBetweenTicks(std::function<void()> hook) { betweenTicks_ = std::move(hook); }

std::vector<TimerInfo> TimerService::running() const {
    std::vector<const Timer*> ordered;
    for (const Timer& t : timers_) ordered.push_back(&t);
    std::sort(ordered.begin(), ordered.end(),
              [](const Timer* a, const Timer* b) { return a->order < b->order; });
    std::vector<TimerInfo> list;
    for (const Timer* t : ordered)
        list.push_back(TimerInfo{t->window, t->id, t->periodMs, t->dueMs, t->proc != nullptr});
    return list;
}

std::optional<uint64_t> TimerService::nextDue() const {
    std::optional<uint64_t> nearest;
    for (const Timer& t : timers_)
        if (!nearest || t.dueMs < *nearest) nearest = t.dueMs;
    return nearest;
}

TimerService::Timer* TimerService::earliestDueBy(uint64_t limitMs) {
    Timer* best = nullptr;
    for (Timer& t : timers_) {
        if (t.dueMs > limitMs) continue;
        if (!best || t.dueMs < best->dueMs || (t.dueMs == best->dueMs && t.order < best->order))
            best = &t;
    }
    return best;
}

void TimerService::deliver(Timer& timer, uint64_t nowMs) {
    // Reschedule before the handler runs, so that a handler may kill or
    // re-set the timer, and a nested loop inside it does not see the same
    // tick again. Ticks missed by a late loop are dropped.
    uint64_t next = timer.dueMs + timer.periodMs;
    timer.dueMs = next > nowMs ? next : nowMs + timer.periodMs;
    HWND window = timer.window;
    uintptr_t id = timer.id;
    TimerProc proc = timer.proc;
    arm();
    // The handler may change the list: timer is not used past this point.
    uint32_t tick = static_cast<uint32_t>(nowMs);
    if (sink_) {
        sink_(window, id, proc, tick);
    } else if (proc) {
        proc(window, kTimerMessage, id, tick);
    }
}

size_t TimerService::advance(uint64_t ms) {
    assert(onOwnerThread());
    if (!clock_.isVirtual()) return 0;
    const uint64_t target = clock_.now() + ms;
    size_t delivered = 0;
    // Every tick moves its timer at least 1 ms past the clock, so this ends
    // even when handlers keep setting short timers.
    while (Timer* timer = earliestDueBy(target)) {
        clock_.advanceTo(timer->dueMs);
        deliver(*timer, clock_.now());
        ++delivered;
        if (betweenTicks_) betweenTicks_();
    }
    clock_.advanceTo(target);
    return delivered;
}

size_t TimerService::deliverDue() {
    assert(onOwnerThread());
    const uint64_t now = clock_.now();
    size_t delivered = 0;
    while (Timer* timer = earliestDueBy(now)) {
        deliver(*timer, now);
        ++delivered;
    }
    arm();
    return delivered;
}

void TimerService::arm() {
    std::optional<uint64_t> due = nextDue();
    if (clock_.isVirtual() || !due || !QCoreApplication::instance()) {
        if (wake_) wake_->stop();
        return;
    }
    if (!wake_) {
        wake_ = new QTimer(QCoreApplication::instance());
        wake_->setSingleShot(true);
        wake_->setTimerType(Qt::PreciseTimer);
        QObject::connect(wake_.data(), &QTimer::timeout, wake_.data(), [this] { deliverDue(); });
    }
    uint64_t now = clock_.now();
    uint64_t wait = *due > now ? *due - now : 0;
    wake_->start(static_cast<int>(std::min<uint64_t>(wait, INT_MAX)));
}

TimerService& Timers() {
    static TimerService service(DeviceClock());
    return service;
}

uintptr_t SetTimer(HWND window, uintptr_t id, uint32_t elapseMs, TimerProc proc) {
    return Timers().SetTimer(window, id, elapseMs, proc);
}

bool KillTimer(HWND window, uintptr_t id) { return Timers().KillTimer(window, id); }

}  // namespace device
