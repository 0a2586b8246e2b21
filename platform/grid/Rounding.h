#pragma once

namespace grid {

// Decimal rounding as spreadsheets do it: the value is first taken to 15 significant digits, so
// that 2.675 (stored as 2.67499999...) rounds to 2.68 and 2.2 * 10 counts as 22.
class Rounding {
public:
    // The value at 15 significant digits.
    static double approx(double value);
    // Half away from zero at `digits` decimals; a negative count rounds to tens, hundreds, ...
    static double round(double value, int digits);
    // Away from zero.
    static double roundUp(double value, int digits);
    // Toward zero.
    static double roundDown(double value, int digits);
    static double approxFloor(double value);
    static double approxCeil(double value);

    // Equality within the last bits of precision (relative 2^-48).
    static bool approxEqual(double a, double b);
    // Sums and differences that cancel within that precision are exactly 0 (0.1+0.2-0.3).
    static double approxAdd(double a, double b);
    static double approxSub(double a, double b);
};

} // namespace grid
