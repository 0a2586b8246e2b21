#pragma once

#include <string>

namespace csp {

// One piece cut from a bar.
struct PlannedCut {
    std::string mark;
    double length = 0; // mm

    friend bool operator==(const PlannedCut&, const PlannedCut&) = default;
};

} // namespace csp
