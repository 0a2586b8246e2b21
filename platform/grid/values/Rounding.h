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
    // Sums and differences as a user sees them. When the operands cancel (opposite signs for
    // a sum), the digits of the result beyond the 15th significant digit of the larger operand
    // are binary noise of the operands, not data: 5.07-5 gives 0.07000000000000028. Such a
    // result is snapped to that digit when the snap moves it by no more than two units in the
    // last place of the larger operand, so 5.07-5 is exactly 0.07 while 1-2^-30, exact in
    // binary, stays as it is; operands that cancel within 2^-48 give exactly 0 (0.1+0.2-0.3).
    // Whole numbers add exactly: from 1e15 on nothing is snapped.
    static double approxAdd(double a, double b);
    static double approxSub(double a, double b);
    // The same snap for a result that cancelled among several terms whose largest magnitude is
    // `largest`; `terms` widens the allowed move to one unit in the last place per term.
    static double snapCancelled(double result, double largest, int terms);
};

} // namespace grid
