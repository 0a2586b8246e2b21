#include "platform/grid/functions/BuiltinFunctions.h"
#include "platform/grid/functions/FunctionArgs.h"
#include "platform/grid/functions/FunctionSupport.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <vector>

// PRODUCT, SUMSQ, LARGE, SMALL, MEDIAN, STDEV, STDEVP, VAR, VARP. Numbers are gathered as SUM
// gathers them: in references and inline arrays only numbers count, values given directly are
// converted.

namespace grid {

namespace {

using S = FunctionSupport;

std::optional<ErrorCode> gather(FunctionArgs& args, std::vector<double>& numbers) {
    return S::forEachNumber(args, [&](double x) { numbers.push_back(x); });
}

Value product(FunctionArgs& args) {
    double result = 1;
    bool any = false;
    if (const auto error = S::forEachNumber(args, [&](double x) {
            result *= x;
            any = true;
        }))
        return S::error(*error);
    return S::number(any ? result : 0);
}

Value sumOfSquares(FunctionArgs& args) {
    double result = 0;
    if (const auto error = S::forEachNumber(args, [&](double x) { result += x * x; }))
        return S::error(*error);
    return S::number(result);
}

// LARGE and SMALL(values; k): the k-th largest or smallest, k from 1.
Value kth(FunctionArgs& args, bool largest) {
    std::vector<double> numbers;
    std::optional<ErrorCode> error;
    args.forEachValue(0, [&](const Value& value, bool) {
        if (value.isError()) {
            error = value.asError();
            return false;
        }
        if (value.isNumber())
            numbers.push_back(value.asNumber());
        return true;
    });
    if (error)
        return S::error(*error);
    double kArg = 0;
    if (const auto kError = args.number(1, kArg))
        return S::error(*kError);
    const double k = std::ceil(kArg);
    if (k < 1 || k > static_cast<double>(numbers.size()))
        return S::error(ErrorCode::Num);
    const auto at = static_cast<std::size_t>(k) - 1;
    if (largest)
        std::nth_element(numbers.begin(), numbers.begin() + static_cast<long>(at), numbers.end(),
                         std::greater<>());
    else
        std::nth_element(numbers.begin(), numbers.begin() + static_cast<long>(at), numbers.end());
    return Value::number(numbers[at]);
}

Value median(FunctionArgs& args) {
    std::vector<double> numbers;
    if (const auto error = gather(args, numbers))
        return S::error(*error);
    if (numbers.empty())
        return S::error(ErrorCode::Num);
    std::sort(numbers.begin(), numbers.end());
    const std::size_t middle = numbers.size() / 2;
    if (numbers.size() % 2 == 1)
        return Value::number(numbers[middle]);
    return S::number((numbers[middle - 1] + numbers[middle]) / 2);
}

// The variance about the mean, two passes for accuracy; sample divides by n - 1.
Value variance(FunctionArgs& args, bool sample, bool root) {
    std::vector<double> numbers;
    if (const auto error = gather(args, numbers))
        return S::error(*error);
    const std::size_t n = numbers.size();
    if (n < (sample ? 2u : 1u))
        return S::error(ErrorCode::Div0);
    double mean = 0;
    for (const double x : numbers)
        mean += x;
    mean /= static_cast<double>(n);
    double squares = 0;
    for (const double x : numbers)
        squares += (x - mean) * (x - mean);
    const double result = squares / static_cast<double>(sample ? n - 1 : n);
    return S::number(root ? std::sqrt(result) : result);
}

const std::array kFunctions = {
    BuiltinFunction{L"PRODUCT", 1, -1, &product},
    BuiltinFunction{L"SUMSQ", 1, -1, &sumOfSquares},
    BuiltinFunction{L"LARGE", 2, 2, [](FunctionArgs& a) { return kth(a, true); }},
    BuiltinFunction{L"SMALL", 2, 2, [](FunctionArgs& a) { return kth(a, false); }},
    BuiltinFunction{L"MEDIAN", 1, -1, &median},
    BuiltinFunction{L"STDEV", 1, -1, [](FunctionArgs& a) { return variance(a, true, true); }},
    BuiltinFunction{L"STDEVP", 1, -1, [](FunctionArgs& a) { return variance(a, false, true); }},
    BuiltinFunction{L"VAR", 1, -1, [](FunctionArgs& a) { return variance(a, true, false); }},
    BuiltinFunction{L"VARP", 1, -1, [](FunctionArgs& a) { return variance(a, false, false); }},
};

} // namespace

std::span<const BuiltinFunction> BuiltinFunctions::statistics() {
    return kFunctions;
}

} // namespace grid
