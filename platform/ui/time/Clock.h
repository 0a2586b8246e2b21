#pragma once
// ui::Clock: the time of the window system, in milliseconds, and its timers. Time passes only
// through advance(); nothing sleeps.
//
// advance(ms) fires every tick that falls due up to now() + ms, in time order (ties in the
// order the timers were set): a periodic timer fires once per elapsed period. A timer killed
// in a callback does not fire again; a timer set (or re-set) in a callback starts from the
// time of the tick being delivered. Posted messages are pumped before each tick and at the end.
// Elapse values below 10 ms count as 10 ms (USER_TIMER_MINIMUM), so a loop always ends.

#include "platform/ui/windows/WinTypes.h"

#include <cstdint>
#include <vector>

namespace ui {

class Clock {
public:
    static Clock& instance();

    std::int64_t now() const { return now_; }
    void advance(std::int64_t ms);

    // Window timers (window non-null) are keyed by (window, id): setting an existing one
    // replaces it. Thread timers (window null) get a fresh id unless `id` names an existing
    // thread timer, which is then replaced. A thread timer needs a proc. Returns the timer id,
    // 0 on failure.
    UINT_PTR setTimer(CWnd* window, UINT_PTR id, UINT elapse, TIMERPROC proc);
    bool killTimer(CWnd* window, UINT_PTR id);
    void killTimersOf(const CWnd* window);
    bool hasTimer(const CWnd* window, UINT_PTR id) const;
    std::size_t timerCount() const { return timers_.size(); }
    // When the timer fires next, -1 when there is no such timer.
    std::int64_t nextDue(const CWnd* window, UINT_PTR id) const;

private:
    Clock() = default;

    struct Timer {
        CWnd* window;
        UINT_PTR id;
        std::int64_t period;
        std::int64_t due;
        TIMERPROC proc;
        std::uint64_t sequence;
    };

    Timer* find(const CWnd* window, UINT_PTR id);
    const Timer* find(const CWnd* window, UINT_PTR id) const;
    void fire(const Timer& timer);

    std::int64_t now_ = 0;
    std::uint64_t nextSequence_ = 1;
    UINT_PTR nextThreadTimerId_ = 1;
    std::vector<Timer> timers_;
};

} // namespace ui
