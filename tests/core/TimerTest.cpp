#include "platform/core/settings/Vdn_FunctionTimer.h"

#include <gtest/gtest.h>

namespace {

using namespace std::chrono_literals;

// A clock that tests move by hand.
struct ManualClock {
    Vdn_Timer::Clock::time_point now{};
    Vdn_Timer::NowFunction function() {
        return [this] { return now; };
    }
};

TEST(Vdn_Timer, CountsPairsAndAddsTheirTime) {
    ManualClock clock;
    Vdn_Timer timer(L"gLoadFile", clock.function());
    EXPECT_EQ(timer.toString().str(), L"gLoadFile: 0 calls, 0.000 ms");
    timer.start();
    clock.now += 1500us;
    timer.end();
    EXPECT_EQ(timer.toString().str(), L"gLoadFile: 1 call, 1.500 ms");
    timer.start();
    clock.now += 234us;
    timer.end();
    timer.end(); // an end without a start is ignored
    EXPECT_EQ(timer.count(), 2);
    EXPECT_EQ(timer.total(), 1734us);
    EXPECT_FALSE(timer.isRunning());
    EXPECT_EQ(timer.toString().str(), L"gLoadFile: 2 calls, 1.734 ms");
    timer.reset();
    EXPECT_EQ(timer.count(), 0);
    EXPECT_EQ(timer.total(), 0us);
}

TEST(Vdn_Timer, NestedPhasesCountTheirTimeOnce) {
    ManualClock clock;
    Vdn_Timer timer(L"gCalcMain", clock.function());
    timer.start();
    clock.now += 1ms;
    {
        Vdn_FunctionTimer inner(timer); // a child evaluation runs the same phase
        clock.now += 2ms;
        EXPECT_TRUE(timer.isRunning());
    }
    clock.now += 1ms;
    timer.end();
    EXPECT_EQ(timer.count(), 2);
    EXPECT_EQ(timer.total(), 4ms);
}

TEST(Vdn_Timer, RealClockNeverGoesBackwards) {
    Vdn_Timer timer(L"real");
    { Vdn_FunctionTimer scope(timer); }
    EXPECT_EQ(timer.count(), 1);
    EXPECT_GE(timer.total(), Vdn_Timer::Clock::duration::zero());
}

} // namespace
