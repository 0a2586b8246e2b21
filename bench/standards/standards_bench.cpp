// Throughput of standards evaluations through StartDlgStandardsSS, loading included: the
// example library's sheets against its macro, a typical sheet of 50 variables, and generated
// sheets of 100 to 10,000 variables with as many equations (one evaluation should cost in
// proportion to the sheet).
#include "module/TfSSDlgsMgr.h"
#include "platform/core/model/MacroData.h"
#include "platform/core/model/MacroReadResult.h"
#include "platform/core/model/Vdn_DbMacro.h"
#include "platform/core/sections/Vdn_SectionTableManager.h"
#include "platform/core/settings/DocumentData.h"
#include "platform/core/settings/Vdn_Settings.h"
#include "platform/grid/sheet/Sheet.h"
#include "platform/host/AcTransaction.h"
#include "spreadsheet/standards/CalcSSTimers.h"
#include "spreadsheet/standards/StandardsLaunchers.h"

#include <benchmark/benchmark.h>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

const fs::path kExamples = fs::path(TESSA_SOURCE_ROOT) / "examples/library";

// A folder of generated sheets, removed at exit.
struct Scratch {
    fs::path folder = fs::temp_directory_path() /
                      ("tessa-standards-bench-" + std::to_string(static_cast<long>(::getpid())));
    Scratch() { fs::create_directories(folder); }
    ~Scratch() {
        std::error_code ignored;
        fs::remove_all(folder, ignored);
    }
};

Scratch& scratch() {
    static Scratch instance;
    return instance;
}

// The example library as the library folder, messages off (as in a batch run).
void useExampleLibrary() {
    static const bool done = [] {
        gSettings.setLibDir(Vdn_String::fromUtf8(kExamples.string()));
        gSectionTables.reload();
        core::currentDocumentData().spreadsheetMessages = false;
        return true;
    }();
    (void)done;
}

// Writes rows of cell texts (column 1 and 2) as a sheet.
Vdn_String writeSheet(const std::string& name,
                      const std::vector<std::pair<std::wstring, std::wstring>>& rows) {
    grid::Sheet sheet;
    sheet.setMaxCols(2);
    sheet.setMaxRows(static_cast<int>(rows.size()));
    for (std::size_t r = 0; r < rows.size(); ++r) {
        const int row = static_cast<int>(r + 1);
        if (!rows[r].first.empty())
            sheet.setCellText({1, row}, rows[r].first);
        if (!rows[r].second.empty())
            sheet.setCellText({2, row}, rows[r].second);
    }
    const fs::path file = scratch().folder / name;
    sheet.saveTfs(file);
    // A library's sheets were saved long before they are evaluated; a file written just now
    // is read afresh each time (its time may not show a change made within its resolution).
    fs::last_write_time(file, fs::last_write_time(file) - std::chrono::hours(1));
    return Vdn_String::fromUtf8(file.string());
}

TfVarCell argument(const std::wstring& name, TfCellType type, const std::wstring& value) {
    TfVarCell cell;
    cell.name = name;
    cell.cellType = type;
    cell.value = value;
    return cell;
}

// --- the example library -------------------------------------------------------------------

struct ExampleRun {
    Vdn_DbMacro macro;
    MacroData record;
    AcTransaction transaction;
    TfDlgStandardsData data;

    ExampleRun(const wchar_t* sheet, const wchar_t* target) {
        useExampleLibrary();
        core::MacroReadResult read = Vdn_DbMacro::readFromFile(
            Vdn_String::fromUtf8((kExamples / "macros/EndPlate.json").string()));
        macro = read.macro();
        macro.getMacroData(record);
        data.initialize(&macro, sheet, target, &record);
        data.transaction = &transaction;
        for (const Vdn_GeneralVariable& variable : macro.generalVariables) {
            data.genVarNames.append(variable.name);
            data.genVarValues.append(variable.value);
        }
    }
};

void runExample(benchmark::State& state, const wchar_t* sheet, const wchar_t* target) {
    ExampleRun run(sheet, target);
    for (auto _ : state) {
        TfDlgStandardsData data = run.data;
        if (!StartDlgStandardsSS(data))
            state.SkipWithError("the evaluation failed");
        benchmark::DoNotOptimize(data);
    }
    state.counters["evaluations/s"] =
        benchmark::Counter(static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
}

void BM_EndPlate(benchmark::State& state) {
    runExample(state, L"EndPlate", L"EndPlate");
}
BENCHMARK(BM_EndPlate);

void BM_BoltSpacing(benchmark::State& state) {
    runExample(state, L"BoltSpacing", L"Module.Bolts");
}
BENCHMARK(BM_BoltSpacing);

// Includes the child sheet Weld.tfs, evaluated in a second pooled dialog.
void BM_Stiffener(benchmark::State& state) {
    runExample(state, L"Stiffener", L"EndPlate");
}
BENCHMARK(BM_Stiffener);

// --- a typical sheet: 50 variables, 40 equations -------------------------------------------

// 10 inputs (a section and nine numbers), 10 outputs, 30 locals: section values, rounding,
// comparisons and running combinations of earlier results.
Vdn_String typicalSheet(TfVarCells& args) {
    std::vector<std::pair<std::wstring, std::wstring>> rows;
    rows.push_back({L"Typical connection", L""});
    rows.push_back({L"Input", L""});
    rows.push_back({L"Beam section", L"String Beam"});
    args.append(argument(L"Beam", tfInput, L"HEA-200"));
    for (int i = 1; i <= 9; ++i) {
        rows.push_back({L"Input " + std::to_wstring(i), L"Double In" + std::to_wstring(i)});
        args.append(argument(L"In" + std::to_wstring(i), tfInput, std::to_wstring(5 * i + 3)));
    }
    rows.push_back({L"Output", L""});
    for (int i = 1; i <= 10; ++i) {
        rows.push_back({L"Result " + std::to_wstring(i), L"Double Out" + std::to_wstring(i)});
        args.append(argument(L"Out" + std::to_wstring(i), tfOutput, L"0"));
    }
    rows.push_back({L"Local", L""});
    for (int i = 1; i <= 30; ++i)
        rows.push_back({L"Step " + std::to_wstring(i), L"Double L" + std::to_wstring(i)});
    rows.push_back({L"Calc", L""});
    rows.push_back({L"L1 = SECTIONSIZE(Beam, 1)", L""});
    rows.push_back({L"L2 = SECTIONSIZE(Beam, 2)", L""});
    rows.push_back({L"L3 = SECTIONSIZE(Beam, 4)", L""});
    for (int i = 4; i <= 30; ++i) {
        const std::wstring a = L"L" + std::to_wstring(i - 1);
        const std::wstring b = L"L" + std::to_wstring(i - 2);
        const std::wstring in = L"In" + std::to_wstring(1 + i % 9);
        std::wstring expression;
        switch (i % 4) {
        case 0:
            expression = L"ROUNDTO(" + a + L" + 2 * " + in + L", 5)";
            break;
        case 1:
            expression = L"MAX(" + a + L", " + b + L" * 0.55) + " + in;
            break;
        case 2:
            expression = L"IF(" + a + L" > " + b + L", " + a + L" - " + in + L", " + b + L" + 1)";
            break;
        default:
            expression = L"MIN(" + a + L" * 1.25, " + b + L" + " + in + L") / 2";
            break;
        }
        rows.push_back({L"L" + std::to_wstring(i) + L" = " + expression, L""});
    }
    for (int i = 1; i <= 10; ++i) {
        rows.push_back({L"Out" + std::to_wstring(i) + L" = ROUNDTO(L" + std::to_wstring(3 * i) +
                            L" + In" + std::to_wstring(1 + i % 9) + L", 1)",
                        L""});
    }
    return writeSheet("typical.tfs", rows);
}

void BM_TypicalSheet(benchmark::State& state) {
    useExampleLibrary();
    TfDlgStandardsData request;
    request.mode = TfDlgStandardsData::kChildCall;
    request.fileName = typicalSheet(request.varCells);
    for (auto _ : state) {
        TfDlgStandardsData data = request;
        if (!StartDlgStandardsSS(data))
            state.SkipWithError("the evaluation failed");
        benchmark::DoNotOptimize(data);
    }
    state.counters["evaluations/s"] =
        benchmark::Counter(static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_TypicalSheet);

// --- generated sheets: n variables, n equations --------------------------------------------

// One input x, one output y, n - 2 locals; the first equation rounds x, each local combines
// the two before it, y halves the last.
Vdn_String generatedSheet(int n, TfVarCells& args) {
    std::vector<std::pair<std::wstring, std::wstring>> rows;
    rows.push_back({L"Input", L""});
    rows.push_back({L"x", L"Double x"});
    rows.push_back({L"Output", L""});
    rows.push_back({L"y", L"Double y"});
    rows.push_back({L"Local", L""});
    for (int i = 1; i <= n - 2; ++i)
        rows.push_back({L"", L"Double v" + std::to_wstring(i)});
    rows.push_back({L"Calc", L""});
    rows.push_back({L"x = ROUND(x, 3)", L""});
    for (int i = 1; i <= n - 2; ++i) {
        const std::wstring a = i > 1 ? L"v" + std::to_wstring(i - 1) : L"x";
        const std::wstring b = i > 2 ? L"v" + std::to_wstring(i - 2) : L"x";
        rows.push_back(
            {L"v" + std::to_wstring(i) + L" = " + a + L" * 0.5 + " + b + L" * 0.25 + 1", L""});
    }
    rows.push_back({L"y = v" + std::to_wstring(n - 2) + L" / 2", L""});
    args.append(argument(L"x", tfInput, L"12.5"));
    args.append(argument(L"y", tfOutput, L"0"));
    return writeSheet("generated-" + std::to_string(n) + ".tfs", rows);
}

void BM_GeneratedSheet(benchmark::State& state) {
    useExampleLibrary();
    const int n = static_cast<int>(state.range(0));
    TfDlgStandardsData request;
    request.mode = TfDlgStandardsData::kChildCall;
    request.fileName = generatedSheet(n, request.varCells);
    for (auto _ : state) {
        TfDlgStandardsData data = request;
        if (!StartDlgStandardsSS(data))
            state.SkipWithError("the evaluation failed");
        benchmark::DoNotOptimize(data);
    }
    state.counters["equations/s"] = benchmark::Counter(static_cast<double>(state.iterations()) * n,
                                                       benchmark::Counter::kIsRate);
}
BENCHMARK(BM_GeneratedSheet)->Arg(100)->Arg(1000)->Arg(10000)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    // Evaluations run as in a batch, which reads no clock for its phase timers; the calls are
    // still counted.
    Vdn_Timer::setClockReading(false);
    for (Vdn_Timer* timer : calcSSPhaseTimers())
        timer->reset();
    benchmark::RunSpecifiedBenchmarks();
    // How often each phase ran, over every run above.
    for (const Vdn_Timer* timer : calcSSPhaseTimers())
        std::printf("%s\n", timer->toString().toUtf8().c_str());
    gSSDlgsMgr.destroyAll();
    benchmark::Shutdown();
    return 0;
}
