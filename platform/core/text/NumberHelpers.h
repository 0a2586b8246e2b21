#pragma once

#include "platform/core/text/Vdn_Array.h"

// Numeric helpers of the core module.

// The multiple of step nearest to value; halfway values round away from zero. The quotient
// value/step is taken with a relative margin of 1e-12 so that decimal halves that binary
// floating point stores just below .5 (1.15 / 0.1) still round away from zero. A step of 0
// (or NaN) returns value unchanged; a negative step counts as its absolute value.
double ObjectExportRoundTo(double value, double step);
// The smallest multiple of step at or above value. A value that exceeds a multiple by no more
// than tolerance counts as lying on it; that margin is capped at |step| * 1e-9, so the result
// never lies noticeably below value and callers may rely on it being at or above the value.
// Quotients within 1e-12 relative of a whole number count as whole (0.30000000000000004 with
// step 0.1 gives 0.3). A step of 0 (or NaN) returns value.
double ObjectExportRoundUp(double value, double step, double tolerance);
// Sorts ascending (NaN values last).
void ObjectExportSort(Vdn_Array<double>& values);
