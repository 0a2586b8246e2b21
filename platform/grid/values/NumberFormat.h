#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace grid {

// The number formats of TEXT: up to four sections "positive;negative;zero;text", or sections
// with conditions ("[<=9999999]###-####;(###) ###-####": the first whose condition holds, the
// first without a condition for the rest); digit places 0 (always a digit), # (a digit when
// there is one) and ? (a digit or a space); '.'; ',' between digit places groups thousands,
// after the last one divides by 1000; '%' multiplies by 100; E+00 / E-00 for the exponent
// form; fractions "# ?/?", "# ??/??" (the closest fraction with that many denominator digits),
// "?/?" (no whole part), "# ?/8" (a fixed denominator); "quoted text", \c and other signs
// shown as they stand, _c as a space; [colour] tags ignored, [$€-407] shows its symbol;
// "General"; '@' for the value as text. Date and time codes are not number formats and make
// the format invalid.
class NumberFormat {
public:
    // nullopt for a format it cannot apply.
    static std::optional<std::wstring> format(double value, std::wstring_view format);
    // A text in the format's text section (the fourth, or a lone section holding '@'); a
    // format without one shows the text as it is.
    static std::optional<std::wstring> formatText(std::wstring_view text, std::wstring_view format);
};

} // namespace grid
