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
    : mName(std::move(name)), mNow(std::move(now)) {}

Vdn_Timer::Clock::time_point Vdn_Timer::now() const {
    return mNow ? mNow() : Clock::now();
}

void Vdn_Timer::start() {
    if (mDepth++ == 0 && gClockReading)
        mStartedAt = now();
}

void Vdn_Timer::end() {
    if (mDepth == 0)
        return;
    ++mCount;
    if (--mDepth == 0 && gClockReading) {
        const Clock::duration elapsed = now() - mStartedAt;
        // A clock that went backwards (only a replaced one can) adds nothing.
        if (elapsed > Clock::duration::zero())
            mTotal += elapsed;
    }
}

void Vdn_Timer::reset() {
    mCount = 0;
    mDepth = 0;
    mTotal = Clock::duration::zero();
}

Vdn_String Vdn_Timer::toString() const {
    const double ms = std::chrono::duration<double, std::milli>(mTotal).count();
    return mName + L": " + Vdn_String(mCount) + (mCount == 1 ? L" call, " : L" calls, ") +
           Vdn_String(ms, 3) + L" ms";
}
