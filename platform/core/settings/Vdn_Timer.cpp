#include "platform/core/settings/Vdn_Timer.h"

namespace {
bool gClockReading = true;
} // namespace

void Vdn_Timer::setClockReading(bool on) {
    gClockReading = on;
}

bool Vdn_Timer::clockReading() {
    return gClockReading;
}

Vdn_Timer::Vdn_Timer(Vdn_String name, NowFunction now)
    : name_(std::move(name)), now_(std::move(now)) {}

Vdn_Timer::Clock::time_point Vdn_Timer::now() const {
    return now_ ? now_() : Clock::now();
}

void Vdn_Timer::start() {
    if (depth_++ == 0 && gClockReading)
        startedAt_ = now();
}

void Vdn_Timer::end() {
    if (depth_ == 0)
        return;
    ++count_;
    if (--depth_ == 0 && gClockReading) {
        const Clock::duration elapsed = now() - startedAt_;
        // A clock that went backwards (only a replaced one can) adds nothing.
        if (elapsed > Clock::duration::zero())
            total_ += elapsed;
    }
}

void Vdn_Timer::reset() {
    count_ = 0;
    depth_ = 0;
    total_ = Clock::duration::zero();
}

Vdn_String Vdn_Timer::toString() const {
    const double ms = std::chrono::duration<double, std::milli>(total_).count();
    return name_ + L": " + Vdn_String(count_) + (count_ == 1 ? L" call, " : L" calls, ") +
           Vdn_String(ms, 3) + L" ms";
}
