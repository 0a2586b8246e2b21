#include "spreadsheet/functions/StandardValue.h"

#include "platform/core/NumberHelpers.h"

#include <cmath>

namespace ss {

namespace {

// The distance of a side that has no candidate.
constexpr double kNoCandidate = 999999999.0;

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
    const bool belowFits = below && belowDistance <= down && *below <= value + up;
    const bool aboveFits = above && aboveDistance <= up && *above >= value - down;
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
    return rounded > value ? rounded - std::fabs(step) : rounded;
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
    const bool downFits = downDistance <= down && roundedDown >= lo;
    const bool upFits = upDistance <= up && roundedUp <= hi;
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
