#pragma once

#include "platform/grid/values/ErrorCode.h"
#include "platform/grid/values/Value.h"

#include <functional>
#include <optional>

namespace grid {

class FunctionArgs;

// Pieces the built-in functions and operators share.
class FunctionSupport {
public:
    // A computed number; infinities and NaN become #NUM!, -0 becomes 0.
    static Value number(double n);
    static Value error(ErrorCode code) { return Value::error(code); }
    // base^exponent: 0 to a negative power is #DIV/0!; a negative base with a fractional
    // exponent is #NUM! unless the exponent is the reciprocal of an odd number.
    static Value power(double base, double exponent);
    // The whole part toward zero, kept within +-2^53 so that counts and positions stay exact.
    static long long whole(double n);
    // Visits the numbers of every argument: in references only cells holding numbers count;
    // values given directly are converted (text that reads as no number is #VALUE!). Returns
    // the first error met.
    static std::optional<ErrorCode> forEachNumber(FunctionArgs& args,
                                                  const std::function<void(double)>& visit);
};

} // namespace grid
