#pragma once

#include "library/csp/CuttingPlan.h"

#include <cstddef>
#include <string>
#include <vector>

namespace csp {

// A run of equal bars of a plan, which a report writes as one line: the bar and how many.
struct BarRun {
    const PlannedBar* bar = nullptr;
    std::size_t count = 0;

    // The bar's pieces as a report writes them: "A1 2500 + A2 1200".
    std::string cutsText() const;
};

// The plan's bars as runs of equal bars, in the plan's order (equal bars lie together). The
// runs point into plan, so they live no longer than it.
std::vector<BarRun> barRuns(const CuttingPlan& plan);

} // namespace csp
