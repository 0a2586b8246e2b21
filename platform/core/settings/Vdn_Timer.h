#pragma once

#include "platform/core/text/Vdn_String.h"

#include <chrono>
#include <functional>

// A named timer that only measures: it counts completed start/end pairs and adds up their
// time. Nested starts (a phase that runs again inside itself, as nested sheet evaluations do)
// are counted, but only the outermost pair adds time, so no time is counted twice. An end
// without a start is ignored.
class Vdn_Timer {
public:
    using Clock = std::chrono::steady_clock;
    using NowFunction = std::function<Clock::time_point()>;

    // now (optional) replaces the clock, for tests.
    explicit Vdn_Timer(Vdn_String name, NowFunction now = {});

    void start();
    void end();
    void reset();

    // Whether timers read the clock (on at first). Off, they still count calls but add no
    // time: reading the clock twice per phase costs a fast evaluation several per cent, so
    // programs turn it on only when the figures are asked for.
    static void setClockReading(bool on);
    static bool clockReading();

    const Vdn_String& name() const { return name_; }
    int count() const { return count_; }
    Clock::duration total() const { return total_; }
    bool isRunning() const { return depth_ > 0; }
    // "name: 3 calls, 1.234 ms" (milliseconds with three decimals; "1 call" for one).
    Vdn_String toString() const;

private:
    Clock::time_point now() const;

    Vdn_String name_;
    NowFunction now_;
    int count_ = 0;
    int depth_ = 0;
    Clock::duration total_{};
    Clock::time_point startedAt_{};
};
