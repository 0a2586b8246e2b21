#include "platform/grid/functions/BuiltinFunctions.h"
#include "platform/grid/functions/FunctionArgs.h"
#include "platform/grid/functions/FunctionSupport.h"
#include "platform/grid/values/Rounding.h"

#include <algorithm>
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

// The whole part of a number argument that must not be negative (FACT, COMBIN, GCD, LCM).
std::optional<ErrorCode> wholeArgument(FunctionArgs& args, std::size_t i, double& out) {
    if (const auto error = args.number(i, out))
        return error;
    out = std::trunc(out);
    if (out < 0 || out > 9007199254740992.0)
        return ErrorCode::Num;
    return std::nullopt;
}

Value factorial(FunctionArgs& args) {
    double n = 0;
    if (const auto error = wholeArgument(args, 0, n))
        return S::error(*error);
    double result = 1;
    for (double k = 2; k <= n && std::isfinite(result); ++k)
        result *= k;
    return S::number(result);
}

Value combinations(FunctionArgs& args) {
    double n = 0;
    double k = 0;
    if (const auto error = wholeArgument(args, 0, n))
        return S::error(*error);
    if (const auto error = wholeArgument(args, 1, k))
        return S::error(*error);
    if (k > n)
        return S::error(ErrorCode::Num);
    k = std::min(k, n - k);
    double result = 1;
    for (double i = 1; i <= k && std::isfinite(result); ++i)
        result = result * (n - k + i) / i;
    return S::number(std::round(result));
}

// GCD and LCM of the whole parts of every number given; a negative one is #NUM!.
Value divisors(FunctionArgs& args, bool greatest) {
    double result = greatest ? 0 : 1;
    bool negative = false;
    if (const auto error = S::forEachNumber(args, [&](double x) {
            x = std::trunc(x);
            if (x < 0) {
                negative = true;
                return;
            }
            double a = result;
            double b = x;
            while (b != 0) {
                const double r = std::fmod(a, b);
                a = b;
                b = r;
            }
            // a is now gcd(result, x).
            if (greatest)
                result = a;
            else
                result = (result == 0 || x == 0) ? 0 : result / a * x;
        }))
        return S::error(*error);
    if (negative)
        return S::error(ErrorCode::Num);
    return S::number(result);
}

// EVEN and ODD: away from zero to the next even (odd) whole number.
Value evenOrOdd(FunctionArgs& args, bool even) {
    return withNumber(args, [even](double x) {
        const double magnitude = std::ceil(Rounding::approx(std::fabs(x)));
        double result = 0;
        if (even)
            result = std::fmod(magnitude, 2) == 0 ? magnitude : magnitude + 1;
        else
            result = std::fmod(magnitude, 2) == 1 ? magnitude : magnitude + 1;
        return S::number(x < 0 ? -result : result);
    });
}

Value quotient(FunctionArgs& args) {
    return withTwoNumbers(args, [](double x, double y) {
        if (y == 0)
            return S::error(ErrorCode::Div0);
        return S::number(std::trunc(Rounding::approx(x / y)));
    });
}

// f(x) = 1 / g(x), #DIV/0! where g is 0 (COT, SEC, CSC).
template <typename G> Value reciprocal(FunctionArgs& args, G g) {
    return withNumber(args, [g](double x) {
        const double d = g(x);
        return d == 0 ? S::error(ErrorCode::Div0) : S::number(1 / d);
    });
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
    BuiltinFunction{L"SINH", 1, 1,
                    [](FunctionArgs& a) {
                        return withNumber(a, [](double x) { return S::number(std::sinh(x)); });
                    }},
    BuiltinFunction{L"COSH", 1, 1,
                    [](FunctionArgs& a) {
                        return withNumber(a, [](double x) { return S::number(std::cosh(x)); });
                    }},
    BuiltinFunction{L"TANH", 1, 1,
                    [](FunctionArgs& a) {
                        return withNumber(a, [](double x) { return S::number(std::tanh(x)); });
                    }},
    BuiltinFunction{L"ASINH", 1, 1,
                    [](FunctionArgs& a) {
                        return withNumber(a, [](double x) { return S::number(std::asinh(x)); });
                    }},
    BuiltinFunction{L"ACOSH", 1, 1,
                    [](FunctionArgs& a) {
                        return withNumber(a, [](double x) {
                            return x < 1 ? S::error(ErrorCode::Num) : S::number(std::acosh(x));
                        });
                    }},
    BuiltinFunction{L"ATANH", 1, 1,
                    [](FunctionArgs& a) {
                        return withNumber(a, [](double x) {
                            return std::fabs(x) >= 1 ? S::error(ErrorCode::Num)
                                                     : S::number(std::atanh(x));
                        });
                    }},
    BuiltinFunction{
        L"COT", 1, 1,
        [](FunctionArgs& a) { return reciprocal(a, [](double x) { return std::tan(x); }); }},
    BuiltinFunction{
        L"SEC", 1, 1,
        [](FunctionArgs& a) { return reciprocal(a, [](double x) { return std::cos(x); }); }},
    BuiltinFunction{
        L"CSC", 1, 1,
        [](FunctionArgs& a) { return reciprocal(a, [](double x) { return std::sin(x); }); }},
    BuiltinFunction{L"FACT", 1, 1, &factorial},
    BuiltinFunction{L"COMBIN", 2, 2, &combinations},
    BuiltinFunction{L"GCD", 1, -1, [](FunctionArgs& a) { return divisors(a, true); }},
    BuiltinFunction{L"LCM", 1, -1, [](FunctionArgs& a) { return divisors(a, false); }},
    BuiltinFunction{L"EVEN", 1, 1, [](FunctionArgs& a) { return evenOrOdd(a, true); }},
    BuiltinFunction{L"ODD", 1, 1, [](FunctionArgs& a) { return evenOrOdd(a, false); }},
    BuiltinFunction{L"QUOTIENT", 2, 2, &quotient},
};

} // namespace

std::span<const BuiltinFunction> BuiltinFunctions::math() {
    return kFunctions;
}

} // namespace grid
