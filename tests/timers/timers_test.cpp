// Window timers on the virtual clock: ids, restarts, kills (also from inside
// a tick), callbacks and messages, the order of ties; and a short run on the
// real clock.
#include "platform/device/timers.h"

#include <gtest/gtest.h>

#include <QEventLoop>

#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "timers/qt_app.h"

namespace {

using device::Clock;
using device::HWND;
using device::TimerService;

HWND FakeWindow(uintptr_t n) { return reinterpret_cast<HWND>(n * 0x100); }
const HWND A = FakeWindow(1);
const HWND B = FakeWindow(2);

void TestProc(HWND, unsigned, uintptr_t, uint32_t) {}

struct Step {
    enum Kind { Set, Kill, KillAll, Advance } kind;
    HWND window = nullptr;
    uintptr_t id = 0;
    uint32_t ms = 0;
    bool callback = false;
    bool killResult = true;  // what Kill should answer
};

Step Set(HWND w, uintptr_t id, uint32_t ms, bool callback = false) { return {Step::Set, w, id, ms, callback}; }
Step Kill(HWND w, uintptr_t id, bool result = true) { return {Step::Kill, w, id, 0, false, result}; }
Step KillAll(HWND w) { return {Step::KillAll, w}; }
Step Advance(uint32_t ms) { return {Step::Advance, nullptr, 0, ms}; }

// When (window, id) ticks, step runs inside the tick.
struct Reaction {
    HWND window;
    uintptr_t id;
    Step step;
};

struct Scenario {
    const char* name;
    std::vector<Step> steps;
    std::vector<Reaction> reactions;
    // Ticks as "time:window-letter id", with "c" for a callback timer; or,
    // when count is not negative, only the number of ticks.
    std::string expected;
    int count = -1;
};

class Recorder {
public:
    explicit Recorder(TimerService& timers) : timers_(timers) {
        timers_.setTickSink([this](HWND w, uintptr_t id, device::TimerProc proc, uint32_t now) {
            onTick(w, id, proc, now);
        });
    }

    void run(const Step& step) {
        switch (step.kind) {
        case Step::Set:
            EXPECT_EQ(timers_.SetTimer(step.window, step.id, step.ms, step.callback ? &TestProc : nullptr),
                      step.id);
            break;
        case Step::Kill:
            EXPECT_EQ(timers_.KillTimer(step.window, step.id), step.killResult);
            break;
        case Step::KillAll:
            timers_.KillAllTimers(step.window);
            break;
        case Step::Advance:
            timers_.advance(step.ms);
            break;
        }
    }

    std::vector<Reaction> reactions;
    std::string log;
    int ticks = 0;

private:
    void onTick(HWND w, uintptr_t id, device::TimerProc proc, uint32_t now) {
        ++ticks;
        if (ticks <= 64) {
            std::ostringstream out;
            if (!log.empty()) out << ' ';
            out << now << ':' << (w == A ? 'A' : w == B ? 'B' : '?') << id << (proc ? "c" : "");
            log += out.str();
        }
        for (const Reaction& r : reactions)
            if (r.window == w && r.id == id) run(r.step);
    }

    TimerService& timers_;
};

class VirtualTimers : public ::testing::Test {
protected:
    VirtualTimers() { clock.makeVirtual(); }
    Clock clock{Clock::Kind::Virtual};
    TimerService timers{clock};
};

TEST_F(VirtualTimers, Scenarios) {
    const std::vector<Scenario> scenarios = {
        {"message and callback timers on one window",
         {Set(A, 1, 3000), Set(A, 2, 50, true), Advance(120)}, {}, "50:A2c 100:A2c"},
        {"the same id on two windows is two timers, ties in set order",
         {Set(A, 1, 100), Set(B, 1, 150), Advance(300)}, {}, "100:A1 150:B1 200:A1 300:A1 300:B1"},
        {"ties go in the order the timers were set, not by window",
         {Set(B, 7, 100), Set(A, 3, 100), Advance(100)}, {}, "100:B7 100:A3"},
        {"re-set to the same period counts from the re-set",
         {Set(A, 1, 3000), Advance(2000), Set(A, 1, 3000), Advance(4000)}, {}, "5000:A1"},
        {"re-set with a shorter period",
         {Set(A, 1, 1000), Advance(500), Set(A, 1, 100), Advance(300)}, {}, "600:A1 700:A1 800:A1"},
        {"re-set from message to callback",
         {Set(A, 1, 100), Advance(100), Set(A, 1, 100, true), Advance(100)}, {}, "100:A1 200:A1c"},
        {"kill stops the ticks; killing again or an unknown timer is harmless",
         {Set(A, 1, 100), Advance(250), Kill(A, 1), Kill(A, 1, false), Kill(B, 9, false), Advance(500)},
         {}, "100:A1 200:A1"},
        {"kill needs the right window",
         {Set(A, 1, 100), Kill(B, 1, false), Advance(100)}, {}, "100:A1"},
        {"killing all of one window leaves the other's",
         {Set(A, 1, 100), Set(A, 2, 100), Set(B, 1, 100), KillAll(A), Advance(200)}, {}, "100:B1 200:B1"},
        {"period 0 counts as 1 ms", {Set(A, 1, 0), Advance(3)}, {}, "1:A1 2:A1 3:A1"},
        {"advancing in pieces gives the same ticks",
         {Set(A, 1, 30), Advance(10), Advance(25), Advance(25), Advance(5)}, {}, "30:A1 60:A1"},
        {"a tick exactly at the end of an advance is delivered",
         {Set(A, 1, 40), Advance(40), Advance(39)}, {}, "40:A1"},
        {"50 ms over 1300 ms", {Set(A, 2, 50, true), Advance(1300)}, {}, "", 26},
        {"a timer killed in its own tick ticks once",
         {Set(A, 2, 50, true), Advance(500)}, {{A, 2, Kill(A, 2)}}, "50:A2c"},
        {"a tick that kills a timer due at the same moment",
         {Set(A, 1, 100), Set(A, 2, 100), Advance(100)}, {{A, 1, Kill(A, 2)}}, "100:A1"},
        {"a timer re-set in its own tick counts from then",
         {Set(A, 1, 50), Advance(500)}, {{A, 1, Set(A, 1, 200)}}, "50:A1 250:A1 450:A1"},
        {"a tick re-setting another timer that ties with it",
         {Set(A, 1, 10), Advance(30)}, {{A, 1, Set(B, 1, 5)}}, "10:A1 15:B1 20:A1 25:B1 30:A1"},
        {"slide timer and transition timer hand over",
         {Set(A, 1, 3000), Advance(7000)},
         {{A, 1, Kill(A, 1)}, {A, 1, Set(A, 2, 50, true)}, {A, 2, Kill(A, 2)}, {A, 2, Set(A, 1, 3000)}},
         "3000:A1 3050:A2c 6050:A1 6100:A2c"},
        {"a handler that keeps setting a 0 ms timer still ends",
         {Set(A, 1, 0), Advance(1000)}, {{A, 1, Set(A, 1, 0)}}, "", 1000},
    };
    for (const Scenario& s : scenarios) {
        SCOPED_TRACE(s.name);
        Clock clock(Clock::Kind::Virtual);
        TimerService timers(clock);
        Recorder recorder(timers);
        recorder.reactions = s.reactions;
        uint64_t total = 0;
        for (const Step& step : s.steps) {
            recorder.run(step);
            if (step.kind == Step::Advance) total += step.ms;
        }
        if (s.count >= 0) {
            EXPECT_EQ(recorder.ticks, s.count);
        } else {
            EXPECT_EQ(recorder.log, s.expected);
        }
        EXPECT_EQ(clock.now(), total) << "the clock ends at the target of the last advance";
    }
}

TEST_F(VirtualTimers, IdsWithoutWindowAndRefusedIds) {
    EXPECT_EQ(timers.SetTimer(nullptr, 0, 10, &TestProc), 1u);
    EXPECT_EQ(timers.SetTimer(nullptr, 0, 10, &TestProc), 2u);
    EXPECT_EQ(timers.SetTimer(nullptr, 1, 20, &TestProc), 1u) << "a known id is restarted";
    EXPECT_EQ(timers.SetTimer(A, 0, 10, nullptr), 0u) << "id 0 on a window reads as failure";
    EXPECT_EQ(timers.running().size(), 2u);
}

TEST_F(VirtualTimers, RunningListsSetOrderPeriodsAndDeadlines) {
    timers.SetTimer(A, 1, 3000, nullptr);
    timers.SetTimer(B, 2, 50, &TestProc);
    timers.advance(2000);
    timers.SetTimer(A, 1, 3000, nullptr);
    auto list = timers.running();
    ASSERT_EQ(list.size(), 2u);
    EXPECT_EQ(list[0].window, B);
    EXPECT_EQ(list[0].periodMs, 50u);
    EXPECT_EQ(list[0].dueMs, 2050u);
    EXPECT_TRUE(list[0].hasCallback);
    EXPECT_EQ(list[1].window, A);
    EXPECT_EQ(list[1].dueMs, 5000u);
    EXPECT_FALSE(list[1].hasCallback);
    EXPECT_EQ(timers.nextDue(), 2050u);
}

// Without a sink the callback is called with the timer message, and a
// message timer goes nowhere.
TEST_F(VirtualTimers, DefaultSinkCallsCallbacks) {
    static std::vector<std::pair<unsigned, uint32_t>> calls;
    calls.clear();
    timers.SetTimer(A, 2, 50, [](HWND w, unsigned msg, uintptr_t id, uint32_t time) {
        EXPECT_EQ(w, A);
        EXPECT_EQ(id, 2u);
        calls.push_back({msg, time});
    });
    timers.SetTimer(A, 1, 10, nullptr);
    timers.advance(100);
    ASSERT_EQ(calls.size(), 2u);
    EXPECT_EQ(calls[0], std::make_pair(TimerService::kTimerMessage, 50u));
    EXPECT_EQ(calls[1], std::make_pair(TimerService::kTimerMessage, 100u));
}

TEST_F(VirtualTimers, HookRunsAfterEveryTickWithTheClockAtTheTick) {
    std::vector<std::string> log;
    timers.setTickSink([&](HWND, uintptr_t id, device::TimerProc, uint32_t now) {
        log.push_back("tick" + std::to_string(id) + "@" + std::to_string(now));
    });
    timers.setBetweenTicks([&] { log.push_back("hook@" + std::to_string(clock.now())); });
    timers.SetTimer(A, 1, 30, nullptr);
    timers.SetTimer(A, 2, 40, nullptr);
    EXPECT_EQ(timers.advance(70), 3u);
    EXPECT_EQ(log, (std::vector<std::string>{"tick1@30", "hook@30", "tick2@40", "hook@40", "tick1@60",
                                             "hook@60"}));
}

TEST(DeviceClock, VirtualTimeMovesOnlyForwardAndTickCountWraps) {
    Clock clock(Clock::Kind::Virtual);
    clock.advance(100);
    clock.advanceTo(50);
    EXPECT_EQ(clock.now(), 100u);
    clock.advanceTo(250);
    EXPECT_EQ(clock.now(), 250u);
    clock.makeVirtual((uint64_t{1} << 32) + 5);
    EXPECT_EQ(static_cast<uint32_t>(clock.now()), 5u);
}

class RealTimers : public ::testing::Test {
protected:
    RealTimers() { testing_support::App(); }
    Clock clock{Clock::Kind::Real};
    TimerService timers{clock};
};

TEST_F(RealTimers, TicksArriveFromTheEventLoop) {
    std::map<uintptr_t, int> ticks;
    timers.setTickSink([&](HWND, uintptr_t id, device::TimerProc, uint32_t) { ++ticks[id]; });
    timers.SetTimer(A, 1, 5, nullptr);
    timers.SetTimer(A, 2, 1, &TestProc);
    EXPECT_TRUE(testing_support::ProcessEventsUntil([&] { return ticks[1] >= 3 && ticks[2] >= 3; }));
    timers.KillTimer(A, 1);
    timers.KillTimer(A, 2);
    EXPECT_FALSE(timers.nextDue());
    int after = ticks[1] + ticks[2];
    QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    EXPECT_EQ(ticks[1] + ticks[2], after) << "no tick after the kill";
}

// A tick handler that runs a nested loop (a modal box) must not stop the
// other timers, nor see its own tick again.
TEST_F(RealTimers, OtherTimersFireInsideANestedLoop) {
    int outer = 0, inner = 0;
    timers.setTickSink([&](HWND, uintptr_t id, device::TimerProc, uint32_t) {
        if (id == 2) {
            ++inner;
            return;
        }
        ++outer;
        timers.SetTimer(A, 1, 60000, nullptr);
        testing_support::ProcessEventsUntil([&] { return inner >= 3; }, 5000);
    });
    timers.SetTimer(A, 1, 1, nullptr);
    timers.SetTimer(A, 2, 2, nullptr);
    EXPECT_TRUE(testing_support::ProcessEventsUntil([&] { return outer >= 1 && inner >= 3; }));
    EXPECT_EQ(outer, 1);
    timers.KillAllTimers(A);
}

TEST_F(RealTimers, VirtualClockIgnoresTheEventLoop) {
    Clock frozen(Clock::Kind::Virtual);
    TimerService virtualTimers(frozen);
    int ticks = 0;
    virtualTimers.setTickSink([&](HWND, uintptr_t, device::TimerProc, uint32_t) { ++ticks; });
    virtualTimers.SetTimer(A, 1, 1, nullptr);
    QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    EXPECT_EQ(ticks, 0);
    virtualTimers.advance(1);
    EXPECT_EQ(ticks, 1);
}

}  // namespace
