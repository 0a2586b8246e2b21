#pragma once

#include "library/csp/PlannedBar.h"
#include "library/csp/StockPurchase.h"

#include <cstdint>
#include <vector>

namespace csp {

// Which bars to cut and how. Bars come longest stock first, and within one stock length the
// fullest first, so equal bars lie together; buy lists the stock lengths used, longest first.
// waste is the bars' total length less the pieces' total length. lowerBound is the fewest bars
// any plan can use: the pieces with one kerf each, over what the longest stock length holds
// (its length less the trim, plus the one kerf its last piece does not need), rounded up.
struct CuttingPlan {
    std::vector<PlannedBar> bars;
    std::vector<StockPurchase> buy;
    double waste = 0;
    std::int64_t lowerBound = 0;
};

} // namespace csp
