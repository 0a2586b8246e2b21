#pragma once

#include "platform/core/text/Vdn_Array.h"

#include <optional>

// Choosing a standard size for a computed value within a down and an up tolerance.
namespace ss {

// The entry of sizes nearest to value from below (at most value) or from above (greater),
// where the nearer side is tried first and the lower wins a tie; on equal distances within
// one side the earlier entry wins. An entry below is taken only when value - entry <= down and
// entry <= value + up; an entry above only when entry - value <= up and entry >= value - down.
// nullopt when neither side yields an entry.
std::optional<double> pickStandardValue(const Vdn_Array<double>& sizes, double value, double down,
                                        double up);

// The multiple of step at or below value: ObjectExportRoundTo, one step lower when that lies
// above value.
double roundDownTo(double value, double step);

// The fallback when no standard size fits: value kept within [value - down, value + up] and
// rounded to a multiple of step, down or up, whichever is nearer and within its tolerance
// (down on a tie); the value kept within the bounds when neither fits.
double roundWithinTolerance(double value, double step, double up, double down);

} // namespace ss
