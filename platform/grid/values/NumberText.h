#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace grid {

// Numbers as texts. Every form uses '.' as the decimal separator, whatever the C locale says.
class NumberText {
public:
    // A number written as digits with an optional sign, '.' and exponent ("12", "-3.5",
    // "1E3", ".5"), spaces and tabs around it allowed; nullopt for anything else, including
    // numbers too large for a double.
    static std::optional<double> parse(std::wstring_view text);
    // A number as a user types it into a cell or hands it to VALUE: what parse reads, and also
    // ',' between groups of three digits ("1,234.5"), a currency sign before the digits
    // ("$12", "-€3"), a trailing '%' ("45%" is 0.45), and a time of day as a fraction of a
    // day ("06:30", "16:48:00", "6:30 PM", "1:02:03.5"). Dates are not read.
    static std::optional<double> parseTyped(std::wstring_view text);

    // Up to 15 significant digits without trailing zeros; the exponent form ("1E+20",
    // "1E-05") for very large and very small numbers. This is how a number reads as text.
    static std::wstring general(double value);
    // Exactly `decimals` digits after the point ("12.50"), never an exponent.
    static std::wstring fixed(double value, int decimals);
    // Rounded to `decimals`, without trailing zeros or point ("12.5", "400", "-0.3333333").
    static std::wstring rounded(double value, int decimals);
    // The shortest text that reads back as exactly the same number ("0.1", "1E+300").
    static std::wstring shortest(double value);
};

} // namespace grid
