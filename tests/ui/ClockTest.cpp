// Timers on the clock: periodic ticks in time order, killing and setting timers inside their
// callbacks, thread timer ids and window timers.

#include "platform/ui/time/Clock.h"

#include "platform/ui/windows/CWnd.h"
#include "platform/ui/windows/WinApi.h"

#include <gtest/gtest.h>
#include <string>
#include <utility>
#include <vector>

namespace {

struct Tick {
    UINT_PTR id;
    std::int64_t at;
    friend bool operator==(const Tick&, const Tick&) = default;
};

std::vector<Tick> gTicks;
std::int64_t gStart = 0;

void record(HWND, UINT message, UINT_PTR id, DWORD) {
    EXPECT_EQ(message, WM_TIMER);
    gTicks.push_back({id, ui::Clock::instance().now() - gStart});
}

class ClockTest : public ::testing::Test {
protected:
    void SetUp() override {
        gTicks.clear();
        gStart = ui::Clock::instance().now();
    }
    void TearDown() override {
        EXPECT_EQ(ui::Clock::instance().timerCount(), 0U) << "leftover timers";
    }
};

TEST_F(ClockTest, PeriodicTimersTickOncePerPeriodInTimeOrder) {
    const UINT_PTR fast = SetTimer(nullptr, 0, 30, record);
    const UINT_PTR slow = SetTimer(nullptr, 0, 50, record);
    ASSERT_NE(fast, 0U);
    ASSERT_NE(slow, fast) << "each thread timer gets its own id";
    ui::Clock::instance().advance(100);
    EXPECT_EQ(gTicks,
              (std::vector<Tick>{{fast, 30}, {slow, 50}, {fast, 60}, {fast, 90}, {slow, 100}}));
    ui::Clock::instance().advance(19);
    EXPECT_EQ(gTicks.size(), 5U) << "nothing falls due before 120";
    ui::Clock::instance().advance(1);
    EXPECT_EQ(gTicks.back(), (Tick{fast, 120}));
    EXPECT_TRUE(KillTimer(nullptr, fast));
    EXPECT_TRUE(KillTimer(nullptr, slow));
    EXPECT_FALSE(KillTimer(nullptr, slow)) << "already gone";
}

UINT_PTR gSelfKilling = 0;
void killItself(HWND, UINT, UINT_PTR id, DWORD) {
    gTicks.push_back({id, ui::Clock::instance().now() - gStart});
    KillTimer(nullptr, id);
}

TEST_F(ClockTest, ATimerKilledInItsCallbackDoesNotFireAgain) {
    gSelfKilling = SetTimer(nullptr, 0, 50, killItself);
    ui::Clock::instance().advance(500);
    EXPECT_EQ(gTicks, (std::vector<Tick>{{gSelfKilling, 50}}));
}

UINT_PTR gFollower = 0;
void startFollower(HWND, UINT, UINT_PTR id, DWORD) {
    gTicks.push_back({id, ui::Clock::instance().now() - gStart});
    KillTimer(nullptr, id);
    gFollower = SetTimer(nullptr, 0, 25, record);
}

TEST_F(ClockTest, ATimerSetInACallbackStartsFromThatTick) {
    const UINT_PTR first = SetTimer(nullptr, 0, 40, startFollower);
    ui::Clock::instance().advance(100);
    EXPECT_EQ(gTicks, (std::vector<Tick>{{first, 40}, {gFollower, 65}, {gFollower, 90}}));
    KillTimer(nullptr, gFollower);
}

TEST_F(ClockTest, SettingAnExistingTimerAgainRestartsIt) {
    const UINT_PTR id = SetTimer(nullptr, 0, 50, record);
    ui::Clock::instance().advance(40);
    EXPECT_EQ(SetTimer(nullptr, id, 50, record), id) << "an existing thread timer keeps its id";
    ui::Clock::instance().advance(40);
    EXPECT_TRUE(gTicks.empty());
    ui::Clock::instance().advance(10);
    EXPECT_EQ(gTicks, (std::vector<Tick>{{id, 90}}));
    KillTimer(nullptr, id);
    EXPECT_EQ(SetTimer(nullptr, 0, 50, nullptr), 0U) << "a thread timer needs a callback";
}

class TimerWnd : public CWnd {
public:
    std::vector<UINT_PTR> ticks;

protected:
    void OnTimer(UINT_PTR id) override {
        ticks.push_back(id);
        if (ticks.size() == 2) {
            KillTimer(id);
        }
    }
};

TEST_F(ClockTest, WindowTimersCallOnTimerAndDieWithTheWindow) {
    TimerWnd window;
    EXPECT_EQ(window.SetTimer(1, 100), 0U) << "not created";
    ASSERT_TRUE(window.CreateEx(0, L"Timer", L"", WS_POPUP, CRect(0, 0, 5, 5), nullptr, 0));
    EXPECT_EQ(window.SetTimer(7, 100), 7U);
    EXPECT_EQ(window.SetTimer(8, 1), 8U);
    ui::Clock::instance().advance(5);
    EXPECT_TRUE(window.ticks.empty()) << "elapse values below 10 ms count as 10";
    ui::Clock::instance().advance(5);
    EXPECT_EQ(window.ticks, (std::vector<UINT_PTR>{8}));
    ui::Clock::instance().advance(100);
    EXPECT_EQ(window.ticks, (std::vector<UINT_PTR>{8, 8, 7})) << "the second tick killed timer 8";
    EXPECT_TRUE(ui::Clock::instance().hasTimer(&window, 7));
    window.DestroyWindow();
    EXPECT_FALSE(ui::Clock::instance().hasTimer(&window, 7));
}

std::vector<std::string> gOrder;

class DoomedWnd : public CWnd {
public:
    CWnd* victim = nullptr;

protected:
    void OnTimer(UINT_PTR) override {
        gOrder.push_back("killer");
        victim->DestroyWindow();
    }
};

class VictimWnd : public CWnd {
protected:
    void OnTimer(UINT_PTR) override { gOrder.push_back("victim"); }
};

TEST_F(ClockTest, ATimerOfAWindowDestroyedInAnEarlierCallbackOfTheSameTickDoesNotFire) {
    gOrder.clear();
    DoomedWnd killer;
    VictimWnd victim;
    ASSERT_TRUE(killer.CreateEx(0, L"K", L"", WS_POPUP, CRect(0, 0, 5, 5), nullptr, 0));
    ASSERT_TRUE(victim.CreateEx(0, L"V", L"", WS_POPUP, CRect(0, 0, 5, 5), nullptr, 0));
    killer.victim = &victim;
    killer.SetTimer(1, 20);
    victim.SetTimer(1, 20);
    ui::Clock::instance().advance(20);
    EXPECT_EQ(gOrder, (std::vector<std::string>{"killer"}));
    killer.DestroyWindow();
}

} // namespace
