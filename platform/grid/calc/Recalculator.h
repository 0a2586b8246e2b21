#pragma once

#include "platform/grid/calc/DependencyGraph.h"
#include "platform/grid/calc/RecalcTarget.h"
#include "platform/grid/sheet/CellRef.h"

#include <vector>

namespace grid {

// Brings formulas up to date after cells changed, each formula once and after everything it
// reads. The order comes from Tarjan's strongly-connected components over the dependents of the
// changed cells, run with an explicit stack: a chain of 100,000 formulas needs no deep
// recursion, and formulas on a cycle are found and marked instead of looping.
class Recalculator {
public:
    // Evaluates the formula cells among the seeds and, with propagate, every formula that
    // depends on a seed directly or indirectly. Cost grows with the formulas reached, not with
    // the sheet.
    static void run(const std::vector<CellRef>& seeds, bool propagate, const DependencyGraph& graph,
                    RecalcTarget& target);
};

} // namespace grid
