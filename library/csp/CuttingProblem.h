#pragma once

#include "library/csp/CutPart.h"
#include "library/csp/StockLength.h"

#include <vector>

namespace csp {

// What a plan must cut. A bar holds trim + the sum of its cuts + one kerf between neighbouring
// cuts, at most its stock length: the trim squares the bar's end once, and the saw takes a kerf
// at each cut between two pieces (the offcut at the far end needs none). Lengths in mm.
struct CuttingProblem {
    std::vector<CutPart> parts;
    std::vector<StockLength> stock;
    double kerf = 0;
    double trim = 0;
};

} // namespace csp
