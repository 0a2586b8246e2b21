#include "platform/grid/values/Rounding.h"

#include <algorithm>
#include <array>
#include <bit>
#include <charconv>
#include <cmath>
#include <cstdint>

namespace grid {

namespace {

// 10^n for the range in which the power is exact.
double powerOfTen(int n) {
    static const std::array<double, 23> table = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                                 1e8,  1e9,  1e10, 1e11, 1e12, 1e13, 1e14, 1e15,
                                                 1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};
    if (n >= 0 && n < static_cast<int>(table.size()))
        return table[static_cast<std::size_t>(n)];
    return std::pow(10.0, n);
}

// Scales |value| to the rounding position, applies step (floor, ceil or half-up) and scales
// back, keeping the sign.
template <typename Step> double roundWith(double value, int digits, Step step) {
    if (!std::isfinite(value) || value == 0)
        return value;
    if (digits > 308)
        return value;
    if (digits < -308)
        return 0;
    const double magnitude = std::fabs(value);
    double scaled = digits >= 0 ? magnitude * powerOfTen(digits) : magnitude / powerOfTen(-digits);
    if (!std::isfinite(scaled) || scaled >= 4503599627370496.0) // 2^52: already whole
        return value;
    scaled = step(Rounding::approx(scaled));
    double result = digits >= 0 ? scaled / powerOfTen(digits) : scaled * powerOfTen(-digits);
    if (!std::isfinite(result))
        return value;
    return value < 0 ? -result : result;
}

} // namespace

double Rounding::approx(double value) {
    if (!std::isfinite(value) || value == 0)
        return value;
    std::array<char, 64> buf{};
    const auto res = std::to_chars(buf.data(), buf.data() + buf.size(), value,
                                   std::chars_format::scientific, 14);
    double out = value;
    std::from_chars(buf.data(), res.ptr, out);
    return out;
}

double Rounding::round(double value, int digits) {
    return roundWith(value, digits, [](double x) { return std::floor(x + 0.5); });
}

double Rounding::roundUp(double value, int digits) {
    return roundWith(value, digits, [](double x) { return std::ceil(x); });
}

double Rounding::roundDown(double value, int digits) {
    return roundWith(value, digits, [](double x) { return std::floor(x); });
}

double Rounding::approxFloor(double value) {
    return std::floor(approx(value));
}

double Rounding::approxCeil(double value) {
    return std::ceil(approx(value));
}

bool Rounding::approxEqual(double a, double b) {
    if (a == b)
        return true;
    const double diff = std::fabs(a - b);
    // 2^-48 relative, as spreadsheets compare.
    return diff < std::fabs(a) * 3.5527136788005009e-15 &&
           diff < std::fabs(b) * 3.5527136788005009e-15;
}

double Rounding::snapCancelled(double result, double largest, int terms) {
    // Only a result smaller than its largest term has lost digits to cancellation. From 1e15 on
    // the 15th digit lies left of the point: whole numbers there are data, not noise. Below
    // it a whole result stays as it is, as every multiple of the snap's step is exact.
    if (result == 0 || !std::isfinite(result) || !(largest < 1e15) || std::fabs(result) >= largest)
        return result;
    // The place of the 15th significant digit of the larger operand: 10^-decimals. Operands
    // of 1 and more are placed from the table, which is cheaper than a logarithm.
    int exponent = 0;
    if (largest >= 1) {
        while (exponent < 14 && largest >= powerOfTen(exponent + 1))
            ++exponent;
    } else {
        exponent = static_cast<int>(std::floor(std::log10(largest)));
    }
    const int decimals = 14 - exponent;
    if (decimals > 300)
        return result;
    const double scaled = result * powerOfTen(decimals);
    const double snapped = std::nearbyint(scaled) / powerOfTen(decimals);
    // One unit in the last place of the larger operand: its power of two times 2^-52 (0 for
    // the subnormal, which then never snaps).
    const double unit =
        std::bit_cast<double>(std::bit_cast<std::uint64_t>(largest) & 0x7FF0000000000000ULL) *
        0x1p-52;
    if (!std::isfinite(snapped) || std::fabs(snapped - result) > unit * (terms < 2 ? 2 : terms))
        return result;
    return snapped;
}

double Rounding::approxAdd(double a, double b) {
    const double sum = a + b;
    if (!((a < 0 && b > 0) || (a > 0 && b < 0)))
        return sum;
    if (approxEqual(a, -b))
        return 0;
    return snapCancelled(sum, std::max(std::fabs(a), std::fabs(b)), 2);
}

double Rounding::approxSub(double a, double b) {
    return approxAdd(a, -b);
}

} // namespace grid
