#include "platform/grid/functions/FunctionSupport.h"

#include "platform/grid/functions/FunctionArgs.h"
#include "platform/grid/values/ValueConversion.h"

#include <algorithm>
#include <cmath>

namespace grid {

Value FunctionSupport::number(double n) {
    if (!std::isfinite(n))
        return Value::error(ErrorCode::Num);
    return Value::number(n == 0 ? 0.0 : n);
}

Value FunctionSupport::power(double base, double exponent) {
    if (base == 0 && exponent < 0)
        return Value::error(ErrorCode::Div0);
    if (base < 0 && exponent != std::floor(exponent)) {
        const double root = 1 / exponent;
        const double odd = std::round(root);
        if (std::fabs(root - odd) < 1e-10 && std::fmod(odd, 2) != 0)
            return number(-std::pow(-base, exponent));
        return Value::error(ErrorCode::Num);
    }
    return number(std::pow(base, exponent));
}

long long FunctionSupport::whole(double n) {
    constexpr double kLimit = 9007199254740992.0; // 2^53
    if (std::isnan(n))
        return 0;
    return static_cast<long long>(std::clamp(std::trunc(n), -kLimit, kLimit));
}

std::optional<ErrorCode> FunctionSupport::forEachNumber(FunctionArgs& args,
                                                        const std::function<void(double)>& visit) {
    std::optional<ErrorCode> error;
    for (std::size_t i = 0; i < args.count() && !error; ++i) {
        if (args.isOmitted(i))
            continue;
        args.forEachValue(i, [&](const Value& value, bool fromReference) {
            if (value.isError()) {
                error = value.asError();
                return false;
            }
            if (value.isNumber()) {
                visit(value.asNumber());
                return true;
            }
            if (fromReference)
                return true;
            double n = 0;
            ErrorCode code = ErrorCode::Value;
            if (!ValueConversion::toNumber(value, n, code)) {
                error = code;
                return false;
            }
            visit(n);
            return true;
        });
    }
    return error;
}

} // namespace grid
