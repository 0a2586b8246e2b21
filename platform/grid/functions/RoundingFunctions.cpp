#include "platform/grid/functions/BuiltinFunctions.h"
#include "platform/grid/functions/FunctionArgs.h"
#include "platform/grid/functions/FunctionSupport.h"
#include "platform/grid/values/Rounding.h"

#include <algorithm>
#include <array>
#include <cmath>

// INT, TRUNC, ROUND, ROUNDUP, ROUNDDOWN, CEILING, FLOOR, MROUND. Rounding works on the value taken
// to 15 significant digits (Rounding), so ROUND(2.675; 2) is 2.68 and ROUNDUP(2.2; 1) is 2.2.

namespace grid {

namespace {

using S = FunctionSupport;

Value roundWith(FunctionArgs& args, double (*round)(double, int)) {
    double x = 0;
    double digits = 0;
    if (const auto error = args.number(0, x))
        return S::error(*error);
    if (const auto error = args.number(1, digits, 0))
        return S::error(*error);
    return S::number(
        round(x, static_cast<int>(std::clamp<long long>(S::whole(digits), -400, 400))));
}

// CEILING and FLOOR to a multiple of the significance, which defaults to 1 with the number's
// sign. Number and significance of opposite signs are #NUM!. For negative numbers the
// direction is toward zero for CEILING and away from zero for FLOOR, unless a mode other than
// 0 asks for the reverse.
Value toMultiple(FunctionArgs& args, bool ceiling) {
    double x = 0;
    double significance = 0;
    double mode = 0;
    if (const auto error = args.number(0, x))
        return S::error(*error);
    if (const auto error = args.number(1, significance, x < 0 ? -1 : 1))
        return S::error(*error);
    if (const auto error = args.number(2, mode, 0))
        return S::error(*error);
    if (x == 0 || significance == 0)
        return Value::number(0);
    if ((x < 0) != (significance < 0))
        return S::error(ErrorCode::Num);
    const double quotient = x / significance; // positive
    bool up = ceiling;
    if (x < 0 && mode == 0)
        up = !up; // the quotient is positive, so "up" in it means away from zero
    const double steps = up ? Rounding::approxCeil(quotient) : Rounding::approxFloor(quotient);
    return S::number(steps * significance);
}

// MROUND(x; multiple): the nearest multiple, halves away from zero; number and multiple of
// opposite signs are #NUM!.
Value nearestMultiple(FunctionArgs& args) {
    double x = 0;
    double multiple = 0;
    if (const auto error = args.number(0, x))
        return S::error(*error);
    if (const auto error = args.number(1, multiple))
        return S::error(*error);
    if (x == 0 || multiple == 0)
        return Value::number(0);
    if ((x < 0) != (multiple < 0))
        return S::error(ErrorCode::Num);
    const double steps = std::floor(Rounding::approx(x / multiple) + 0.5);
    return S::number(Rounding::approx(steps * multiple));
}

const std::array kFunctions = {
    BuiltinFunction{L"MROUND", 2, 2, &nearestMultiple},
    BuiltinFunction{L"INT", 1, 1,
                    [](FunctionArgs& a) {
                        double x = 0;
                        if (const auto error = a.number(0, x))
                            return S::error(*error);
                        return S::number(Rounding::approxFloor(x));
                    }},
    BuiltinFunction{L"TRUNC", 1, 2,
                    [](FunctionArgs& a) { return roundWith(a, &Rounding::roundDown); }},
    BuiltinFunction{L"ROUND", 1, 2, [](FunctionArgs& a) { return roundWith(a, &Rounding::round); }},
    BuiltinFunction{L"ROUNDUP", 1, 2,
                    [](FunctionArgs& a) { return roundWith(a, &Rounding::roundUp); }},
    BuiltinFunction{L"ROUNDDOWN", 1, 2,
                    [](FunctionArgs& a) { return roundWith(a, &Rounding::roundDown); }},
    BuiltinFunction{L"CEILING", 1, 3, [](FunctionArgs& a) { return toMultiple(a, true); }},
    BuiltinFunction{L"FLOOR", 1, 3, [](FunctionArgs& a) { return toMultiple(a, false); }},
};

} // namespace

std::span<const BuiltinFunction> BuiltinFunctions::rounding() {
    return kFunctions;
}

} // namespace grid
