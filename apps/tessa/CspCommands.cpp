#include "apps/tessa/CspCommands.h"

#include "apps/tessa/OutputFile.h"
#include "apps/tessa/ProgramText.h"
#include "dialogs/CspOverview.h"
#include "library/csp/BarRun.h"
#include "library/csp/CspSetProblem.h"
#include "library/csp/CspTableFile.h"
#include "library/csp/CuttingListFile.h"
#include "library/csp/CuttingOptimizer.h"
#include "library/csp/LengthText.h"
#include "platform/core/files/PathBoundary.h"
#include "platform/core/files/PathHelpers.h"
#include "platform/core/model/DlgCSP2DataFile.h"

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
    for (const csp::BarRun& run : csp::barRuns(plan)) {
        const csp::PlannedBar& bar = *run.bar;
        std::printf("%zu × %s: %s (offcut %s, waste %s)\n", run.count, mm(bar.stock).c_str(),
                    run.cutsText().c_str(), mm(bar.offcut).c_str(), mm(bar.waste).c_str());
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

// The verbs on a cutting-stock record: which record, set and table, and where to write.
struct RecordOptions {
    std::string record;
    std::string set;
    std::string table = "stock";
    std::string file;
    std::string out;
    bool json = false;
};

nlohmann::ordered_json rowsJson(const Vdn_Array<Vdn_StringArray>& rows) {
    nlohmann::ordered_json list = nlohmann::ordered_json::array();
    for (const Vdn_StringArray& row : rows) {
        nlohmann::ordered_json cells = nlohmann::ordered_json::array();
        for (const Vdn_String& cell : row)
            cells.push_back(cell.toUtf8());
        list.push_back(std::move(cells));
    }
    return list;
}

void printJson(const nlohmann::ordered_json& document) {
    std::printf("%s\n",
                document.dump(-1, ' ', false, nlohmann::json::error_handler_t::replace).c_str());
}

int tableIndex(const std::string& name) {
    return name == "stock" ? DlgCSP2Data::kStock : DlgCSP2Data::kBuy;
}

// Reads the record and finds the set (the first one when none is named).
bool openRecord(const RecordOptions& options, DlgCSP2Data& data, int& setId) {
    const core::CspRecordRead read = core::readCspRecordFile(Vdn_String::fromUtf8(options.record));
    if (!read.ok) {
        fail(read.problem);
        return false;
    }
    data = read.data;
    const int index = options.set.empty() ? (data.setIds.isEmpty() ? -1 : 0)
                                          : data.indexOfSetName(Vdn_String::fromUtf8(options.set));
    if (index < 0) {
        fail(options.set.empty() ? "the record has no sets"
                                 : "the record has no set named \"" + options.set + "\"");
        return false;
    }
    setId = data.setIds[index];
    return true;
}

int importTable(const RecordOptions& options) {
    DlgCSP2Data data;
    int setId = DlgCSP2Data::kNoSet;
    if (!openRecord(options, data, setId))
        return kExitFailed;
    Vdn_Array<Vdn_StringArray> rows;
    std::string problem;
    if (!csp::CspTableFile::read(Vdn_String::fromUtf8(options.file), rows, problem))
        return fail(problem);
    const int table = tableIndex(options.table);
    if (const auto notTable = csp::tableRowsProblem(rows, options.table == "stock"))
        return fail(options.file + ": " + *notTable + "; the record is unchanged");
    data.replaceRows(table, setId, rows);
    if (!options.out.empty()) {
        const OutputFile out(options.out);
        if (const auto failed = out.write([&data](const std::filesystem::path& path) {
                return core::writeCspRecordFile(data, Vdn_String::fromUtf8(path.string()));
            }))
            return fail(*failed);
    }
    const Vdn_String name = data.setNames[data.indexOfSet(setId)];
    if (options.json) {
        printJson({{"set", name.toUtf8()},
                   {"table", options.table},
                   {"rows", rowsJson(data.rowsOf(table, setId))}});
    } else {
        std::printf("%d rows into the %s table of \"%s\"%s\n", rows.length(), options.table.c_str(),
                    name.toUtf8().c_str(), options.out.empty() ? " (not written: no --out)" : "");
    }
    return kExitOk;
}

int exportTable(const RecordOptions& options) {
    DlgCSP2Data data;
    int setId = DlgCSP2Data::kNoSet;
    if (!openRecord(options, data, setId))
        return kExitFailed;
    const Vdn_Array<Vdn_StringArray> rows = data.rowsOf(tableIndex(options.table), setId);
    std::wstring text;
    std::string problem;
    if (!csp::CspTableFile::format(rows, text, problem))
        return fail(problem);
    if (!options.out.empty()) {
        const OutputFile out(options.out);
        if (const auto failed = out.write([&rows](const std::filesystem::path& path) {
                std::string ignored;
                return csp::CspTableFile::write(Vdn_String::fromUtf8(path.string()), rows, ignored);
            }))
            return fail(*failed);
    }
    if (options.json) {
        printJson({{"set", data.setNames[data.indexOfSet(setId)].toUtf8()},
                   {"table", options.table},
                   {"rows", rowsJson(rows)}});
    } else if (options.out.empty()) {
        std::printf("%s", Vdn_String(text).toUtf8().c_str());
    }
    return kExitOk;
}

int report(const RecordOptions& options) {
    DlgCSP2Data data;
    int setId = DlgCSP2Data::kNoSet;
    if (!openRecord(options, data, setId))
        return kExitFailed;
    // The stock and purchase files lie beside the record.
    const Vdn_String folder = getPath(Vdn_String::fromUtf8(options.record));
    const Vdn_StringArray lines = cspOverview(data, setId, folder);
    if (options.json) {
        nlohmann::ordered_json list = nlohmann::ordered_json::array();
        for (const Vdn_String& line : lines)
            list.push_back(line.toUtf8());
        printJson(
            {{"set", data.setNames[data.indexOfSet(setId)].toUtf8()}, {"lines", std::move(list)}});
    } else {
        for (const Vdn_String& line : lines)
            std::printf("%s\n", line.toUtf8().c_str());
    }
    return kExitOk;
}

void addRecordVerbs(CLI::App& csp, CommandRun& run) {
    const auto options = std::make_shared<RecordOptions>();
    const auto common = [&options](CLI::App* verb) {
        verb->add_option("RECORD", options->record, "The cutting-stock record (.csp.json)")
            ->required();
        verb->add_option("--set", options->set, "The set's name (default: the first set)");
    };
    const auto table = [&options](CLI::App* verb) {
        verb->add_option("--table", options->table, "stock (.shp) or buy (.buy)")
            ->check(CLI::IsMember({"stock", "buy"}));
    };

    CLI::App* importVerb = csp.add_subcommand(
        "import", "Replace a set's stock or buy rows with those of a .shp/.buy file (the whole "
                  "file is read first); the record is written only with --out");
    common(importVerb);
    table(importVerb);
    importVerb->add_option("--file", options->file, "The .shp or .buy file")->required();
    importVerb->add_option("--out", options->out, "Where to write the changed record")
        ->check(outputPathCheck());
    importVerb->add_flag("--json", options->json,
                         "Print {\"set\":...,\"table\":...,\"rows\":[[cell,...],...]}");
    importVerb->callback([options, &run] { run = [options] { return importTable(*options); }; });

    CLI::App* exportVerb = csp.add_subcommand(
        "export", "A set's stock or buy rows as a .shp/.buy file (cells joined by U+00BF); "
                  "printed, or written with --out");
    common(exportVerb);
    table(exportVerb);
    exportVerb->add_option("--out", options->out, "The .shp or .buy file to write")
        ->check(outputPathCheck());
    exportVerb->add_flag("--json", options->json,
                         "Print {\"set\":...,\"table\":...,\"rows\":[[cell,...],...]}");
    exportVerb->callback([options, &run] { run = [options] { return exportTable(*options); }; });

    CLI::App* reportVerb = csp.add_subcommand(
        "report", "The dialog's overview of a set: the newest .shp and .buy files beside the "
                  "record and the set's cutting plan");
    common(reportVerb);
    reportVerb->add_flag("--json", options->json, "Print {\"set\":...,\"lines\":[...]}");
    reportVerb->callback([options, &run] { run = [options] { return report(*options); }; });
}

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
    addRecordVerbs(*csp, run);
}

} // namespace app
