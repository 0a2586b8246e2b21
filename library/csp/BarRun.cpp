#include "library/csp/BarRun.h"

#include "library/csp/LengthText.h"

namespace csp {

std::string BarRun::cutsText() const {
    std::string cuts;
    for (const PlannedCut& cut : bar->cuts)
        cuts += (cuts.empty() ? "" : " + ") + cut.mark + " " + lengthText(cut.length);
    return cuts;
}

std::vector<BarRun> barRuns(const CuttingPlan& plan) {
    std::vector<BarRun> runs;
    for (std::size_t first = 0; first < plan.bars.size();) {
        std::size_t next = first + 1;
        while (next < plan.bars.size() && plan.bars[next] == plan.bars[first])
            ++next;
        runs.push_back({&plan.bars[first], next - first});
        first = next;
    }
    return runs;
}

} // namespace csp
