#pragma once

#include "library/csp/CuttingProblem.h"
#include "library/csp/CuttingResult.h"

#include <cstdint>

namespace csp {

// Makes a cutting plan that uses few bars: as close to the lower bound as a bounded amount of
// work finds (see BarPacker), and with each bar's content on the shortest stock it fits.
// Lengths count to the thousandth of a millimetre, so kerf and trim edges are exact.
//
// Fails, with the reason, when a length, quantity, kerf or trim is out of range, when a part
// is longer than every stock length can hold, and when the stock runs out. The same problem
// always gives the same plan.
//
//   CuttingProblem problem;
//   problem.parts = {{"B1", 2500, 4}, {"C2", 5200, 2}};
//   problem.stock = {{12000, std::nullopt}};
//   problem.kerf = 3;
//   const CuttingResult result = CuttingOptimizer().solve(problem);
class CuttingOptimizer {
public:
    // The most pieces (quantities summed) one plan cuts.
    static constexpr std::int64_t kMaxPieces = 1'000'000;
    // The longest length (part, stock, kerf or trim) in mm.
    static constexpr double kMaxLength = 1'000'000'000;

    CuttingResult solve(const CuttingProblem& problem) const;
};

} // namespace csp
