#pragma once

#include "platform/core/settings/Vdn_Timer.h"

// Times a scope: starts the timer on construction and ends it on destruction.
class Vdn_FunctionTimer {
public:
    explicit Vdn_FunctionTimer(Vdn_Timer& timer) : timer_(timer) { timer_.start(); }
    ~Vdn_FunctionTimer() { timer_.end(); }
    Vdn_FunctionTimer(const Vdn_FunctionTimer&) = delete;
    Vdn_FunctionTimer& operator=(const Vdn_FunctionTimer&) = delete;

private:
    Vdn_Timer& timer_;
};
