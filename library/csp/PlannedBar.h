#pragma once

#include "library/csp/PlannedCut.h"

#include <vector>

namespace csp {

// One stock bar of a plan and the pieces cut from it, longest first. waste is everything of the
// bar that is not a piece (trim, kerfs and the offcut); offcut is the piece left at the end.
struct PlannedBar {
    double stock = 0; // mm
    std::vector<PlannedCut> cuts;
    double waste = 0;
    double offcut = 0;

    friend bool operator==(const PlannedBar&, const PlannedBar&) = default;
};

} // namespace csp
