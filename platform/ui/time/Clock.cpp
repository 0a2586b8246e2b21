#include "platform/ui/time/Clock.h"

#include "platform/ui/windows/CWnd.h"
#include "platform/ui/windows/MessageQueue.h"
#include "platform/ui/windows/WindowRegistry.h"

#include <algorithm>

namespace ui {

namespace {

constexpr std::int64_t kMinimumElapse = 10; // USER_TIMER_MINIMUM

} // namespace

// Never destroyed: timers of static windows may be killed at any point of exit.
Clock& Clock::instance() {
    static Clock* const clock = new Clock;
    return *clock;
}

Clock::Timer* Clock::find(const CWnd* window, UINT_PTR id) {
    for (Timer& timer : timers_) {
        if (timer.window == window && timer.id == id) {
            return &timer;
        }
    }
    return nullptr;
}

const Clock::Timer* Clock::find(const CWnd* window, UINT_PTR id) const {
    return const_cast<Clock*>(this)->find(window, id);
}

UINT_PTR Clock::setTimer(CWnd* window, UINT_PTR id, UINT elapse, TIMERPROC proc) {
    if (window != nullptr && window->GetSafeHwnd() == nullptr) {
        return 0;
    }
    if (window == nullptr) {
        if (proc == nullptr) {
            return 0;
        }
        if (find(nullptr, id) == nullptr) {
            // A fresh id that no live thread timer uses.
            do {
                id = nextThreadTimerId_++;
            } while (id == 0 || find(nullptr, id) != nullptr);
        }
    }
    const std::int64_t period = std::max<std::int64_t>(elapse, kMinimumElapse);
    if (Timer* existing = find(window, id)) {
        existing->period = period;
        existing->due = now_ + period;
        existing->proc = proc;
        existing->sequence = nextSequence_++;
    } else {
        timers_.push_back({window, id, period, now_ + period, proc, nextSequence_++});
    }
    return id;
}

bool Clock::killTimer(CWnd* window, UINT_PTR id) {
    const auto it = std::find_if(timers_.begin(), timers_.end(),
                                 [&](const Timer& t) { return t.window == window && t.id == id; });
    if (it == timers_.end()) {
        return false;
    }
    timers_.erase(it);
    return true;
}

void Clock::killTimersOf(const CWnd* window) {
    if (window == nullptr) {
        return;
    }
    timers_.erase(std::remove_if(timers_.begin(), timers_.end(),
                                 [window](const Timer& t) { return t.window == window; }),
                  timers_.end());
}

bool Clock::hasTimer(const CWnd* window, UINT_PTR id) const {
    return find(window, id) != nullptr;
}

std::int64_t Clock::nextDue(const CWnd* window, UINT_PTR id) const {
    const Timer* timer = find(window, id);
    return timer ? timer->due : -1;
}

void Clock::fire(const Timer& timer) {
    const auto time = static_cast<DWORD>(now_);
    if (timer.window == nullptr) {
        timer.proc(nullptr, WM_TIMER, timer.id, time);
        return;
    }
    if (!WindowRegistry::instance().isAlive(timer.window) ||
        timer.window->GetSafeHwnd() == nullptr) {
        return;
    }
    if (timer.proc != nullptr) {
        timer.proc(timer.window, WM_TIMER, timer.id, time);
    } else {
        timer.window->SendMessage(WM_TIMER, timer.id, 0);
    }
}

void Clock::advance(std::int64_t ms) {
    if (ms < 0) {
        return;
    }
    DispatchGuard guard;
    const std::int64_t target = now_ + ms;
    MessageQueue::instance().pump();
    while (true) {
        Timer* next = nullptr;
        for (Timer& timer : timers_) {
            if (timer.due <= target &&
                (next == nullptr || timer.due < next->due ||
                 (timer.due == next->due && timer.sequence < next->sequence))) {
                next = &timer;
            }
        }
        if (next == nullptr) {
            break;
        }
        now_ = next->due;
        // Re-armed before the callback, which may kill or re-set the timer.
        const Timer firing = *next;
        next->due += next->period;
        fire(firing);
        MessageQueue::instance().pump();
    }
    now_ = target;
}

} // namespace ui
