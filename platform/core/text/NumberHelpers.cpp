#include "platform/core/text/NumberHelpers.h"

#include <algorithm>
#include <cmath>

namespace {

// Relative margin for quotients that binary floating point stores just off a decimal value.
constexpr double kMargin = 1e-12;

bool usableStep(double step) {
    return std::isfinite(step) && step != 0.0;
}

} // namespace

double ObjectExportRoundTo(double value, double step) {
    if (!usableStep(step) || !std::isfinite(value))
        return value;
    const double s = std::fabs(step);
    const double q = value / s;
    // Adding 0.0 turns a negative zero into zero.
    return std::round(q + q * kMargin) * s + 0.0;
}

double ObjectExportRoundUp(double value, double step, double tolerance) {
    if (!usableStep(step) || !std::isfinite(value))
        return value;
    const double s = std::fabs(step);
    const double margin = std::isnan(tolerance) ? 0.0 : std::clamp(tolerance, 0.0, s * 1e-9);
    const double q = (value - margin) / s;
    return std::ceil(q - std::fabs(q) * kMargin) * s + 0.0;
}

void ObjectExportSort(Vdn_Array<double>& values) {
    std::sort(values.begin(), values.end(), [](double a, double b) {
        if (std::isnan(a))
            return false;
        if (std::isnan(b))
            return true;
        return a < b;
    });
}
