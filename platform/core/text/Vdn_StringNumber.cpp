// The number-to-text constructor of Vdn_String.
#include "platform/core/text/Vdn_String.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <string>

namespace {

// Adds one to a string of decimal digits ("" counts as 0).
std::string incremented(std::string digits) {
    for (auto it = digits.rbegin(); it != digits.rend(); ++it) {
        if (*it != '9') {
            ++*it;
            return digits;
        }
        *it = '0';
    }
    return "1" + digits;
}

// |value| scaled by 10^decimals and rounded half away from zero, as decimal digits. The
// rounding works on the shortest decimal form that reads back as value, which is the number
// the user wrote or sees, rather than on its binary approximation.
std::string scaledDigits(double magnitude, int decimals) {
    char buffer[64];
    const auto result =
        std::to_chars(buffer, buffer + sizeof buffer, magnitude, std::chars_format::scientific);
    const std::string text(buffer, result.ptr);
    const std::size_t ePos = text.find('e');
    std::string mantissa;
    for (std::size_t i = 0; i < ePos; ++i) {
        if (text[i] != '.')
            mantissa += text[i];
    }
    const int exponent = std::stoi(text.substr(ePos + 1));
    // The value is 0.<mantissa> * 10^(exponent + 1); keep the digits up to `decimals` places
    // after the point.
    const long keep = static_cast<long>(exponent) + 1 + decimals;
    if (keep < 0)
        return "0";
    std::string kept;
    bool roundUp = false;
    if (static_cast<std::size_t>(keep) >= mantissa.size()) {
        kept = mantissa + std::string(static_cast<std::size_t>(keep) - mantissa.size(), '0');
    } else {
        kept = mantissa.substr(0, static_cast<std::size_t>(keep));
        roundUp = mantissa[static_cast<std::size_t>(keep)] >= '5';
    }
    if (roundUp)
        kept = incremented(kept);
    return kept.empty() ? "0" : kept;
}

} // namespace

Vdn_String::Vdn_String(double value, int decimals, bool trimZeros) {
    if (std::isnan(value)) {
        text_ = L"nan";
        return;
    }
    if (std::isinf(value)) {
        text_ = value < 0 ? L"-inf" : L"inf";
        return;
    }
    decimals = std::clamp(decimals, 0, 20);
    std::string digits = scaledDigits(std::fabs(value), decimals);
    digits.erase(0, std::min(digits.find_first_not_of('0'), digits.size()));
    const bool zero = digits.empty();
    if (digits.size() < static_cast<std::size_t>(decimals) + 1)
        digits.insert(0, static_cast<std::size_t>(decimals) + 1 - digits.size(), '0');
    if (decimals > 0)
        digits.insert(digits.size() - static_cast<std::size_t>(decimals), 1, '.');
    if (trimZeros && decimals > 0) {
        digits.erase(digits.find_last_not_of('0') + 1);
        if (digits.back() == '.')
            digits.pop_back();
    }
    if (value < 0 && !zero)
        text_ = L"-";
    text_.append(digits.begin(), digits.end());
}
