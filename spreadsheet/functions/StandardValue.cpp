#include "spreadsheet/functions/StandardValue.h"

#include "platform/core/text/NumberHelpers.h"

#include <algorithm>
#include <cmath>

namespace ss {

namespace {

// The distance of a side that has no candidate.
constexpr double kNoCandidate = 999999999.0;

// Relative margin of the comparisons, the one ROUNDTO rounds with: decimal sizes, steps and
// tolerances are stored just off their values (10.3 - 10.2 > 0.1, 1.2 / 0.1 > 12), and a value
// exactly on a step or a tolerance edge must count as on it.
constexpr double kMargin = 1e-12;

// a <= b, but for a difference within the margin of the larger of the values.
bool atMost(double a, double b) {
    return a <= b + kMargin * std::max({std::fabs(a), std::fabs(b), 1.0});
}

// Tolerances compare with the margin of the value they are measured from.
bool withinTolerance(double distance, double tolerance, double value) {
    return distance <= tolerance + kMargin * std::max(std::fabs(value), 1.0);
}

} // namespace

std::optional<double> pickStandardValue(const Vdn_Array<double>& sizes, double value, double down,
                                        double up) {
    std::optional<double> below;
    std::optional<double> above;
    double belowDistance = kNoCandidate;
    double aboveDistance = kNoCandidate;
    for (const double size : sizes) {
        if (size <= value) {
            if (!below || value - size < belowDistance) {
                below = size;
                belowDistance = value - size;
            }
        } else if (size > value) {
            if (!above || size - value < aboveDistance) {
                above = size;
                aboveDistance = size - value;
            }
        }
    }
    const bool belowFits =
        below && withinTolerance(belowDistance, down, value) && atMost(*below, value + up);
    const bool aboveFits =
        above && withinTolerance(aboveDistance, up, value) && atMost(value - down, *above);
    if (belowDistance <= aboveDistance) {
        if (belowFits)
            return below;
        if (aboveFits)
            return above;
        return std::nullopt;
    }
    if (aboveFits)
        return above;
    if (belowFits)
        return below;
    return std::nullopt;
}

double roundDownTo(double value, double step) {
    const double rounded = ObjectExportRoundTo(value, step);
    // The rounding takes a negative step by its size; so must the step back below the value.
    return atMost(rounded, value) ? rounded : rounded - std::fabs(step);
}

double roundWithinTolerance(double value, double step, double up, double down) {
    const double lo = value - down;
    const double hi = value + up;
    double x = value;
    if (hi < x)
        x = hi;
    if (x < lo)
        x = lo;
    const double roundedUp = ObjectExportRoundUp(x, step, up);
    const double roundedDown = roundDownTo(x, step);
    const double upDistance = roundedUp - value;
    const double downDistance = value - roundedDown;
    const bool downFits = withinTolerance(downDistance, down, value) && atMost(lo, roundedDown);
    const bool upFits = withinTolerance(upDistance, up, value) && atMost(roundedUp, hi);
    if (downDistance <= upDistance) {
        if (downFits)
            return roundedDown;
        return upFits ? roundedUp : x;
    }
    if (upFits)
        return roundedUp;
    return downFits ? roundedDown : x;
}

} // namespace ss
