#include "apps/tessa/CspCommands.h"

#include "apps/tessa/ProgramText.h"
#include "library/csp/CuttingListFile.h"
#include "library/csp/CuttingOptimizer.h"
#include "library/csp/LengthText.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <memory>
#include <nlohmann/json.hpp>
#include <string>
#include <system_error>
#include <vector>

namespace app {

namespace {

struct SolveOptions {
    std::string parts;
    std::string stock;
    double kerf = 0;
    double trim = 0;
    bool json = false;
};

// Whole millimetres as integers (12000, not 12000.0), others with their decimals.
nlohmann::ordered_json jsonLength(double mm) {
    const double whole = std::round(mm);
    if (whole == mm && std::fabs(whole) < 9e15)
        return static_cast<std::int64_t>(whole);
    return mm;
}

void printJsonPlan(const csp::CuttingPlan& plan) {
    nlohmann::ordered_json bars = nlohmann::ordered_json::array();
    for (const csp::PlannedBar& bar : plan.bars) {
        nlohmann::ordered_json cuts = nlohmann::ordered_json::array();
        for (const csp::PlannedCut& cut : bar.cuts)
            cuts.push_back({{"mark", cut.mark}, {"length", jsonLength(cut.length)}});
        bars.push_back({{"stock", jsonLength(bar.stock)},
                        {"cuts", std::move(cuts)},
                        {"waste", jsonLength(bar.waste)}});
    }
    nlohmann::ordered_json buy = nlohmann::ordered_json::array();
    for (const csp::StockPurchase& purchase : plan.buy)
        buy.push_back({{"length", jsonLength(purchase.length)}, {"count", purchase.count}});
    const nlohmann::ordered_json document = {{"bars", std::move(bars)},
                                             {"buy", std::move(buy)},
                                             {"waste", jsonLength(plan.waste)},
                                             {"lowerBound", plan.lowerBound}};
    std::printf("%s\n",
                document.dump(-1, ' ', false, nlohmann::json::error_handler_t::replace).c_str());
}

std::string mm(double length) {
    return csp::lengthText(length) + " mm";
}

// One line per run of equal bars: "3 × 12000 mm: B1 2500 + C2 3000 (offcut 982 mm, waste
// 1000 mm)".
void printPlan(const csp::CuttingPlan& plan, const SolveOptions& options) {
    double bought = 0;
    std::string buy;
    for (const csp::StockPurchase& purchase : plan.buy) {
        bought += purchase.length * static_cast<double>(purchase.count);
        buy += (buy.empty() ? "" : ", ") + std::to_string(purchase.count) + " × " +
               mm(purchase.length);
    }
    std::printf("Bars: %zu (at least %lld)\n", plan.bars.size(),
                static_cast<long long>(plan.lowerBound));
    std::printf("Buy: %s\n", buy.empty() ? "nothing" : buy.c_str());
    std::printf("Waste: %s", mm(plan.waste).c_str());
    if (bought > 0)
        std::printf(" (%.1f %% of %s)", 100.0 * plan.waste / bought, mm(bought).c_str());
    std::printf("\nKerf: %s, trim: %s\n", mm(options.kerf).c_str(), mm(options.trim).c_str());
    if (!plan.bars.empty())
        std::printf("\n");
    for (std::size_t first = 0; first < plan.bars.size();) {
        std::size_t next = first + 1;
        while (next < plan.bars.size() && plan.bars[next] == plan.bars[first])
            ++next;
        const csp::PlannedBar& bar = plan.bars[first];
        std::string cuts;
        for (const csp::PlannedCut& cut : bar.cuts)
            cuts += (cuts.empty() ? "" : " + ") + cut.mark + " " + csp::lengthText(cut.length);
        std::printf("%zu × %s: %s (offcut %s, waste %s)\n", next - first, mm(bar.stock).c_str(),
                    cuts.c_str(), mm(bar.offcut).c_str(), mm(bar.waste).c_str());
        first = next;
    }
}

int solve(const SolveOptions& options) {
    csp::CuttingProblem problem;
    problem.kerf = options.kerf;
    problem.trim = options.trim;
    std::vector<std::string> problems;
    const bool partsRead = csp::CuttingListFile::readParts(options.parts, problem.parts, problems);
    const bool stockRead = csp::CuttingListFile::readStock(options.stock, problem.stock, problems);
    if (!partsRead || !stockRead) {
        constexpr std::size_t kShown = 20;
        for (std::size_t i = 0; i < problems.size() && i < kShown; ++i)
            std::fprintf(stderr, "tessa: %s\n", shortened(problems[i]).c_str());
        if (problems.size() > kShown)
            std::fprintf(stderr, "tessa: ... and %zu more bad rows\n", problems.size() - kShown);
        return kExitFailed;
    }
    const csp::CuttingResult result = csp::CuttingOptimizer().solve(problem);
    if (!result)
        return fail(result.reason());
    if (options.json)
        printJsonPlan(result.plan());
    else
        printPlan(result.plan(), options);
    return kExitOk;
}

// A kerf or trim: a length in mm, 0 or more.
const CLI::Validator kMillimetres(
    [](std::string& text) -> std::string {
        double value = 0;
        const char* end = text.data() + text.size();
        const auto [ptr, ec] = std::from_chars(text.data(), end, value);
        if (ec != std::errc() || ptr != end || !std::isfinite(value))
            return "\"" + text + "\" is not a length in mm";
        if (value < 0)
            return "must be 0 mm or more, not " + text + " mm";
        return {};
    },
    "MM");

} // namespace

void addCspCommand(CLI::App& program, CommandRun& run) {
    const auto options = std::make_shared<SolveOptions>();
    CLI::App* csp = program.add_subcommand("csp", "Cutting stock: which bars to cut and to buy");
    csp->require_subcommand(1);

    CLI::App* solveCommand = csp->add_subcommand(
        "solve", "A cutting plan that uses few bars: every bar holds trim + its cuts + one kerf "
                 "between neighbouring cuts; exit 1 when a part is longer than every stock "
                 "length or the stock runs out");
    solveCommand->add_option("--parts", options->parts, "CSV rows mark,length,quantity (mm)")
        ->required();
    solveCommand
        ->add_option("--stock", options->stock,
                     "CSV rows length,quantity (mm; an empty quantity: as many as needed)")
        ->required();
    solveCommand->add_option("--kerf", options->kerf, "The saw's cut width in mm (default 0)")
        ->check(kMillimetres);
    solveCommand
        ->add_option("--trim", options->trim,
                     "The length squared off each bar's end in mm (default 0)")
        ->check(kMillimetres);
    solveCommand->add_flag(
        "--json", options->json,
        "Print {\"bars\":[{\"stock\":...,\"cuts\":[{\"mark\":...,\"length\":...}],\"waste\":...}],"
        "\"buy\":[{\"length\":...,\"count\":...}],\"waste\":...,\"lowerBound\":...}");
    solveCommand->callback([options, &run] { run = [options] { return solve(*options); }; });
}

} // namespace app
