#include "platform/grid/BuiltinFunctions.h"
#include "platform/grid/FunctionArgs.h"
#include "platform/grid/FunctionSupport.h"

#include <array>
#include <cmath>
#include <numbers>

// Arithmetic, powers, logarithms and trigonometry. Domain errors are #NUM!, division by zero
// #DIV/0!, as spreadsheets report them.

namespace grid {

namespace {

using S = FunctionSupport;

// Applies f to the single number argument.
template <typename F> Value withNumber(FunctionArgs& args, F f) {
    double x = 0;
    if (const auto error = args.number(0, x))
        return S::error(*error);
    return f(x);
}

Value withTwoNumbers(FunctionArgs& args, Value (*f)(double, double)) {
    double x = 0;
    double y = 0;
    if (const auto error = args.number(0, x))
        return S::error(*error);
    if (const auto error = args.number(1, y))
        return S::error(*error);
    return f(x, y);
}

Value logarithm(FunctionArgs& args) {
    double x = 0;
    double base = 10;
    if (const auto error = args.number(0, x))
        return S::error(*error);
    if (const auto error = args.number(1, base, 10))
        return S::error(*error);
    if (x <= 0 || base <= 0)
        return S::error(ErrorCode::Num);
    if (base == 1)
        return S::error(ErrorCode::Div0);
    return S::number(std::log(x) / std::log(base));
}

const std::array kFunctions = {
    BuiltinFunction{L"ABS", 1, 1,
                    [](FunctionArgs& a) {
                        return withNumber(a, [](double x) { return S::number(std::fabs(x)); });
                    }},
    BuiltinFunction{L"ACOS", 1, 1,
                    [](FunctionArgs& a) {
                        return withNumber(a, [](double x) {
                            return std::fabs(x) > 1 ? S::error(ErrorCode::Num)
                                                    : S::number(std::acos(x));
                        });
                    }},
    BuiltinFunction{L"ASIN", 1, 1,
                    [](FunctionArgs& a) {
                        return withNumber(a, [](double x) {
                            return std::fabs(x) > 1 ? S::error(ErrorCode::Num)
                                                    : S::number(std::asin(x));
                        });
                    }},
    BuiltinFunction{L"ATAN", 1, 1,
                    [](FunctionArgs& a) {
                        return withNumber(a, [](double x) { return S::number(std::atan(x)); });
                    }},
    // ATAN2(x; y) is the angle of the point (x, y).
    BuiltinFunction{L"ATAN2", 2, 2,
                    [](FunctionArgs& a) {
                        return withTwoNumbers(a, [](double x, double y) {
                            if (x == 0 && y == 0)
                                return S::error(ErrorCode::Div0);
                            return S::number(std::atan2(y, x));
                        });
                    }},
    BuiltinFunction{L"COS", 1, 1,
                    [](FunctionArgs& a) {
                        return withNumber(a, [](double x) { return S::number(std::cos(x)); });
                    }},
    BuiltinFunction{L"SIN", 1, 1,
                    [](FunctionArgs& a) {
                        return withNumber(a, [](double x) { return S::number(std::sin(x)); });
                    }},
    BuiltinFunction{L"TAN", 1, 1,
                    [](FunctionArgs& a) {
                        return withNumber(a, [](double x) { return S::number(std::tan(x)); });
                    }},
    BuiltinFunction{L"DEGREES", 1, 1,
                    [](FunctionArgs& a) {
                        return withNumber(
                            a, [](double x) { return S::number(x * 180 / std::numbers::pi); });
                    }},
    BuiltinFunction{L"RADIANS", 1, 1,
                    [](FunctionArgs& a) {
                        return withNumber(
                            a, [](double x) { return S::number(x * std::numbers::pi / 180); });
                    }},
    BuiltinFunction{L"PI", 0, 0, [](FunctionArgs&) { return Value::number(std::numbers::pi); }},
    BuiltinFunction{L"SQRT", 1, 1,
                    [](FunctionArgs& a) {
                        return withNumber(a, [](double x) {
                            return x < 0 ? S::error(ErrorCode::Num) : S::number(std::sqrt(x));
                        });
                    }},
    BuiltinFunction{L"POWER", 2, 2,
                    [](FunctionArgs& a) { return withTwoNumbers(a, &FunctionSupport::power); }},
    BuiltinFunction{L"EXP", 1, 1,
                    [](FunctionArgs& a) {
                        return withNumber(a, [](double x) { return S::number(std::exp(x)); });
                    }},
    BuiltinFunction{L"LN", 1, 1,
                    [](FunctionArgs& a) {
                        return withNumber(a, [](double x) {
                            return x <= 0 ? S::error(ErrorCode::Num) : S::number(std::log(x));
                        });
                    }},
    BuiltinFunction{L"LOG", 1, 2, &logarithm},
    BuiltinFunction{L"LOG10", 1, 1,
                    [](FunctionArgs& a) {
                        return withNumber(a, [](double x) {
                            return x <= 0 ? S::error(ErrorCode::Num) : S::number(std::log10(x));
                        });
                    }},
    // MOD takes the sign of the divisor: MOD(-1; 3) = 2.
    BuiltinFunction{L"MOD", 2, 2,
                    [](FunctionArgs& a) {
                        return withTwoNumbers(a, [](double x, double y) {
                            if (y == 0)
                                return S::error(ErrorCode::Div0);
                            double r = std::fmod(x, y);
                            if (r != 0 && ((r < 0) != (y < 0)))
                                r += y;
                            return S::number(r);
                        });
                    }},
    BuiltinFunction{L"SIGN", 1, 1,
                    [](FunctionArgs& a) {
                        return withNumber(a, [](double x) {
                            return Value::number(x > 0 ? 1.0 : (x < 0 ? -1.0 : 0.0));
                        });
                    }},
};

} // namespace

std::span<const BuiltinFunction> BuiltinFunctions::math() {
    return kFunctions;
}

} // namespace grid
