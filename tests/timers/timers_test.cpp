// Window timers on the virtual clock, and short runs on the real one.
#include "platform/device/timers.h"

#include <gtest/gtest.h>

#include <chrono>
#include <string>
#include <thread>
#include <vector>

#include "timers/qt_app.h"

namespace {

using device::Clock;
using device::HWND;
using device::TimerProc;
using device::TimerService;

const HWND A = reinterpret_cast<HWND>(0x100);
const HWND B = reinterpret_cast<HWND>(0x200);

void TestProc(HWND, unsigned, uintptr_t, uint32_t) {}

struct Step {
    enum Kind { Set, SetCallback, Kill, KillMissing, KillAll, Advance } kind;
    HWND window = nullptr;
    uintptr_t id = 0;
    uint32_t ms = 0;
};

Step Set(HWND w, uintptr_t id, uint32_t ms) { return {Step::Set, w, id, ms}; }
Step SetCb(HWND w, uintptr_t id, uint32_t ms) { return {Step::SetCallback, w, id, ms}; }
Step Kill(HWND w, uintptr_t id) { return {Step::Kill, w, id}; }
Step KillMissing(HWND w, uintptr_t id) { return {Step::KillMissing, w, id}; }
Step KillAll(HWND w) { return {Step::KillAll, w}; }
Step Advance(uint32_t ms) { return {Step::Advance, nullptr, 0, ms}; }

// When (window, id) ticks, step runs inside the tick.
struct Reaction { HWND window; uintptr_t id; Step step; };

struct Scenario {
    const char* name;
    std::vector<Step> steps;
    std::vector<Reaction> reactions;
    // Ticks as "time:window-letter id", "c" marking a callback; or, when
    // count is not negative, only the number of ticks.
    std::string expected;
    int count = -1;
};

void RunStep(TimerService& timers, const Step& step) {
    switch (step.kind) {
    case Step::Set:
    case Step::SetCallback: {
        TimerProc proc = step.kind == Step::SetCallback ? &TestProc : nullptr;
        EXPECT_EQ(timers.SetTimer(step.window, step.id, step.ms, proc), step.id);
        break;
    }
    case Step::Kill: EXPECT_TRUE(timers.KillTimer(step.window, step.id)); break;
    case Step::KillMissing: EXPECT_FALSE(timers.KillTimer(step.window, step.id)); break;
    case Step::KillAll: timers.KillAllTimers(step.window); break;
    case Step::Advance: timers.advance(step.ms); break;
    }
}

TEST(VirtualTimers, Scenarios) {
    const std::vector<Scenario> scenarios = {
        {"message and callback timers on one window",
         {Set(A, 1, 3000), SetCb(A, 2, 50), Advance(120)}, {}, "50:A2c 100:A2c"},
        {"the same id on two windows is two timers, ties in set order",
         {Set(A, 1, 100), Set(B, 1, 150), Advance(300)}, {}, "100:A1 150:B1 200:A1 300:A1 300:B1"},
        {"ties go in the order the timers were set, not by window or id",
         {Set(B, 7, 100), Set(A, 3, 100), Advance(100)}, {}, "100:B7 100:A3"},
        {"re-set to the same period counts from the re-set",
         {Set(A, 1, 3000), Advance(2000), Set(A, 1, 3000), Advance(4000)}, {}, "5000:A1"},
        {"re-set from message to callback",
         {Set(A, 1, 100), Advance(100), SetCb(A, 1, 100), Advance(100)}, {}, "100:A1 200:A1c"},
        {"kill stops the ticks; killing again, another window's or an unknown one is harmless",
         {Set(A, 1, 100), Advance(250), KillMissing(B, 1), Kill(A, 1), KillMissing(A, 1), KillMissing(B, 9),
          Advance(500)},
         {}, "100:A1 200:A1"},
        {"killing all of one window leaves the other's",
         {Set(A, 1, 100), Set(A, 2, 100), Set(B, 1, 100), KillAll(A), Advance(200)}, {}, "100:B1 200:B1"},
        {"period 0 counts as 1 ms", {Set(A, 1, 0), Advance(3)}, {}, "1:A1 2:A1 3:A1"},
        {"advancing in pieces gives the same ticks; one due at the end is delivered",
         {Set(A, 1, 30), Advance(10), Advance(25), Advance(25), Advance(5)}, {}, "30:A1 60:A1"},
        {"a tick that kills a timer due at the same moment",
         {Set(A, 1, 100), Set(A, 2, 100), Advance(100)}, {{A, 1, Kill(A, 2)}}, "100:A1"},
        {"a timer re-set in its own tick counts from then",
         {Set(A, 1, 50), Advance(500)}, {{A, 1, Set(A, 1, 200)}}, "50:A1 250:A1 450:A1"},
        {"a tick re-setting another timer that ties with it",
         {Set(A, 1, 10), Advance(30)}, {{A, 1, Set(B, 1, 5)}}, "10:A1 15:B1 20:A1 25:B1 30:A1"},
        {"slide timer and transition timer hand over",
         {Set(A, 1, 3000), Advance(7000)},
         {{A, 1, Kill(A, 1)}, {A, 1, SetCb(A, 2, 50)}, {A, 2, Kill(A, 2)}, {A, 2, Set(A, 1, 3000)}},
         "3000:A1 3050:A2c 6050:A1 6100:A2c"},
        {"a handler that keeps setting a 0 ms timer still ends",
         {Set(A, 1, 0), Advance(1000)}, {{A, 1, Set(A, 1, 0)}}, "", 1000},
    };
    for (const Scenario& s : scenarios) {
        SCOPED_TRACE(s.name);
        Clock clock(Clock::Kind::Virtual);
        TimerService timers(clock);
        std::string log;
        int ticks = 0;
        timers.setTickSink([&](HWND w, uintptr_t id, TimerProc proc, uint32_t now) {
            if (++ticks <= 64)
                log += (log.empty() ? "" : " ") + std::to_string(now) + ":" + (w == A ? "A" : "B") +
                       std::to_string(id) + (proc ? "c" : "");
            for (const Reaction& r : s.reactions)
                if (r.window == w && r.id == id) RunStep(timers, r.step);
        });
        uint64_t total = 0;
        for (const Step& step : s.steps) {
            RunStep(timers, step);
            if (step.kind == Step::Advance) total += step.ms;
        }
        if (s.count >= 0) {
            EXPECT_EQ(ticks, s.count);
        } else {
            EXPECT_EQ(log, s.expected);
        }
        EXPECT_EQ(clock.now(), total) << "the clock ends at the target of the last advance";
    }
}

TEST(VirtualTimers, IdsAndTheRunningList) {
    Clock clock(Clock::Kind::Virtual);
    TimerService timers(clock);
    EXPECT_EQ(timers.SetTimer(nullptr, 0, 10, &TestProc), 1u) << "no window: a fresh id";
    EXPECT_EQ(timers.SetTimer(nullptr, 0, 10, &TestProc), 2u);
    EXPECT_EQ(timers.SetTimer(A, 0, 10, nullptr), 0u) << "id 0 on a window reads as failure";
    timers.KillAllTimers(nullptr);
    timers.SetTimer(A, 1, 3000, nullptr);
    timers.SetTimer(B, 2, 50, &TestProc);
    timers.advance(2000);
    timers.SetTimer(A, 1, 3000, nullptr);
    auto list = timers.running();
    ASSERT_EQ(list.size(), 2u);
    EXPECT_TRUE(list[0].window == B && list[0].periodMs == 50 && list[0].dueMs == 2050 && list[0].hasCallback);
    EXPECT_TRUE(list[1].window == A && list[1].periodMs == 3000 && list[1].dueMs == 5000 && !list[1].hasCallback);
    EXPECT_EQ(timers.nextDue(), 2050u);
}

// The between-ticks hook runs after each tick, the clock at the tick.
TEST(VirtualTimers, TheHookRunsAfterEachTick) {
    std::vector<std::string> log;
    Clock clock(Clock::Kind::Virtual);
    TimerService timers(clock);
    timers.setTickSink([&](HWND, uintptr_t id, TimerProc, uint32_t) { log.push_back(std::to_string(id)); });
    timers.setBetweenTicks([&] { log.push_back("@" + std::to_string(clock.now())); });
    timers.SetTimer(A, 2, 50, nullptr);
    timers.SetTimer(A, 1, 40, nullptr);
    EXPECT_EQ(timers.advance(100), 4u);
    EXPECT_EQ(log, (std::vector<std::string>{"1", "@40", "2", "@50", "1", "@80", "2", "@100"}));
}

class RealTimers : public ::testing::Test {
protected:
    RealTimers() { testing_support::App(); }
    Clock clock{Clock::Kind::Real};
    TimerService timers{clock};
};

// Ticks arrive from the event loop; a tick handler that runs a nested loop (a
// modal box) must not stop the other timers, nor see its own tick again.
TEST_F(RealTimers, OtherTimersFireInsideANestedLoop) {
    int outer = 0, inner = 0;
    timers.setTickSink([&](HWND, uintptr_t id, TimerProc, uint32_t) {
        if (id == 2) {
            ++inner;
            return;
        }
        ++outer;
        timers.SetTimer(A, 1, 60000, nullptr);
        testing_support::ProcessEventsUntil([&] { return inner >= 3; });
    });
    timers.SetTimer(A, 1, 1, nullptr);
    timers.SetTimer(A, 2, 2, nullptr);
    EXPECT_TRUE(testing_support::ProcessEventsUntil([&] { return outer >= 1 && inner >= 3; }));
    EXPECT_EQ(outer, 1);
    timers.KillAllTimers(A);
}

// A late loop gets one tick per timer, not the missed ones; a virtual clock ignores the loop.
TEST_F(RealTimers, ALateLoopGetsOneTickAndVirtualTimeWaits) {
    int ticks = 0;
    timers.setTickSink([&](HWND, uintptr_t, TimerProc, uint32_t) { ++ticks; });
    // Late by more than two periods; the period is long enough that a busy
    // machine cannot make the next deadline pass before it is checked.
    timers.SetTimer(A, 1, 200, nullptr);
    std::this_thread::sleep_for(std::chrono::milliseconds(450));
    EXPECT_EQ(timers.deliverDue(), 1u);
    EXPECT_GT(*timers.nextDue(), clock.now());
    timers.KillTimer(A, 1);

    Clock frozen(Clock::Kind::Virtual);
    TimerService virtualTimers(frozen);
    virtualTimers.setTickSink([&](HWND, uintptr_t, TimerProc, uint32_t) { ++ticks; });
    virtualTimers.SetTimer(A, 1, 1, nullptr);
    QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    EXPECT_EQ(ticks, 1);
}

}  // namespace
