#include "platform/grid/functions/BuiltinFunctions.h"
#include "platform/grid/functions/FunctionArgs.h"
#include "platform/grid/functions/FunctionSupport.h"
#include "platform/grid/values/Rounding.h"
#include "platform/grid/values/ValueConversion.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>

// SUM, AVERAGE, MIN, MAX, COUNT, COUNTA. In references only numbers count (COUNTA counts every
// cell that holds something); values given directly are converted.

namespace grid {

namespace {

using S = FunctionSupport;

// Neumaier's compensated sum: adding many cells loses no more than one rounding. Terms that
// cancel are snapped as a difference is (Rounding::approxAdd), so SUM(5.07; -5) is 0.07.
class Sum {
public:
    void add(double x) {
        ++terms_;
        largest_ = std::max(largest_, std::fabs(x));
        positive_ = positive_ || x > 0;
        negative_ = negative_ || x < 0;
        const double t = sum_ + x;
        if (std::fabs(sum_) >= std::fabs(x))
            compensation_ += (sum_ - t) + x;
        else
            compensation_ += (x - t) + sum_;
        sum_ = t;
    }
    double total() const {
        const double total = sum_ + compensation_;
        if (!positive_ || !negative_)
            return total;
        if (Rounding::approxEqual(std::fabs(total) + largest_, largest_))
            return 0;
        return Rounding::snapCancelled(total, largest_,
                                       static_cast<int>(std::clamp(terms_, 2LL, 1LL << 20)));
    }

private:
    double sum_ = 0;
    double compensation_ = 0;
    double largest_ = 0;
    long long terms_ = 0;
    bool positive_ = false;
    bool negative_ = false;
};

Value sum(FunctionArgs& args) {
    Sum total;
    if (const auto error = S::forEachNumber(args, [&](double x) { total.add(x); }))
        return S::error(*error);
    return S::number(total.total());
}

Value average(FunctionArgs& args) {
    Sum total;
    long long count = 0;
    if (const auto error = S::forEachNumber(args, [&](double x) {
            total.add(x);
            ++count;
        }))
        return S::error(*error);
    if (count == 0)
        return S::error(ErrorCode::Div0);
    return S::number(total.total() / static_cast<double>(count));
}

Value extreme(FunctionArgs& args, bool maximum) {
    double best = maximum ? -std::numeric_limits<double>::infinity()
                          : std::numeric_limits<double>::infinity();
    bool any = false;
    if (const auto error = S::forEachNumber(args, [&](double x) {
            best = maximum ? std::max(best, x) : std::min(best, x);
            any = true;
        }))
        return S::error(*error);
    return Value::number(any ? best : 0.0);
}

// COUNT never fails: errors and text simply do not count.
Value count(FunctionArgs& args) {
    double n = 0;
    for (std::size_t i = 0; i < args.count(); ++i) {
        if (args.isOmitted(i))
            continue;
        args.forEachValue(i, [&](const Value& value, bool fromReference) {
            double ignored = 0;
            ErrorCode code = ErrorCode::Value;
            if (value.isNumber() || (!fromReference && !value.isError() && !value.isEmpty() &&
                                     ValueConversion::toNumber(value, ignored, code)))
                ++n;
            return true;
        });
    }
    return Value::number(n);
}

Value countNonEmpty(FunctionArgs& args) {
    double n = 0;
    for (std::size_t i = 0; i < args.count(); ++i) {
        if (args.isOmitted(i))
            continue;
        args.forEachValue(i, [&](const Value& value, bool) {
            if (!value.isEmpty())
                ++n;
            return true;
        });
    }
    return Value::number(n);
}

const std::array kFunctions = {
    BuiltinFunction{L"SUM", 1, -1, &sum},
    BuiltinFunction{L"AVERAGE", 1, -1, &average},
    BuiltinFunction{L"MIN", 1, -1, [](FunctionArgs& a) { return extreme(a, false); }},
    BuiltinFunction{L"MAX", 1, -1, [](FunctionArgs& a) { return extreme(a, true); }},
    BuiltinFunction{L"COUNT", 1, -1, &count},
    BuiltinFunction{L"COUNTA", 1, -1, &countNonEmpty},
};

} // namespace

std::span<const BuiltinFunction> BuiltinFunctions::aggregate() {
    return kFunctions;
}

} // namespace grid
