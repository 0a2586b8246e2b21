// The cutting-stock optimiser on shop-sized cutting lists: random lengths of 300 to 6000 mm
// cut from 6000 and 12000 mm stock with a 3 mm kerf and a 10 mm trim. The counters show how
// many bars the plan uses against the lower bound no plan can beat.
#include "library/csp/CuttingOptimizer.h"

#include <benchmark/benchmark.h>
#include <random>
#include <string>

namespace {

csp::CuttingProblem randomProblem(int pieces) {
    std::mt19937 random(static_cast<unsigned>(pieces));
    std::uniform_int_distribution<int> length(300, 6000);
    std::uniform_int_distribution<int> quantity(1, 4);
    csp::CuttingProblem problem;
    for (int count = 0; count < pieces;) {
        const int n = std::min(quantity(random), pieces - count);
        problem.parts.push_back({"P" + std::to_string(problem.parts.size() + 1),
                                 static_cast<double>(length(random)), n});
        count += n;
    }
    // A 6000 mm piece needs a 12000 mm bar once the trim is taken off.
    problem.stock = {{6000, std::nullopt}, {12000, std::nullopt}};
    problem.kerf = 3;
    problem.trim = 10;
    return problem;
}

void BM_SolveCuttingStock(benchmark::State& state) {
    const csp::CuttingProblem problem = randomProblem(static_cast<int>(state.range(0)));
    std::size_t bars = 0;
    std::int64_t bound = 0;
    double waste = 0;
    for (auto _ : state) {
        const csp::CuttingResult result = csp::CuttingOptimizer().solve(problem);
        if (!result) {
            state.SkipWithError(result.reason().c_str());
            return;
        }
        bars = result.plan().bars.size();
        bound = result.plan().lowerBound;
        waste = result.plan().waste;
        benchmark::DoNotOptimize(bars);
    }
    state.counters["bars"] = static_cast<double>(bars);
    state.counters["lowerBound"] = static_cast<double>(bound);
    state.counters["overBound"] = static_cast<double>(bars) - static_cast<double>(bound);
    state.counters["wasteMm"] = waste;
}
BENCHMARK(BM_SolveCuttingStock)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
