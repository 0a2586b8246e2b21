#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace grid {

// The number formats of TEXT: up to three sections "positive;negative;zero"; digit places 0
// (always a digit), # (a digit when there is one) and ? (a digit or a space); '.'; ',' between
// digit places groups thousands, after the last one divides by 1000; '%' multiplies by 100;
// E+00 / E-00 for the exponent form; "quoted text", \c and other signs shown as they stand;
// [colour] tags ignored; "General"; '@' for the value as text. Date and time codes are not
// number formats and make the format invalid.
class NumberFormat {
public:
    // nullopt for a format it cannot apply.
    static std::optional<std::wstring> format(double value, std::wstring_view format);
};

} // namespace grid
