#pragma once

#include <cstdio>
#include <string>

namespace csp {

// A length in mm as people write it: up to three decimals, no trailing zeros ("2500",
// "3.2", "0.125").
inline std::string lengthText(double mm) {
    char text[64];
    std::snprintf(text, sizeof text, "%.3f", mm);
    std::string out = text;
    while (out.back() == '0')
        out.pop_back();
    if (out.back() == '.')
        out.pop_back();
    return out == "-0" ? "0" : out;
}

} // namespace csp
