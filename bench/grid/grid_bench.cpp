// Throughput of the formula engine: parsing, evaluating, and recalculating chains of formulas
// after one input changes. Recalculation should cost in proportion to the formulas that depend
// on the change, not to the size of the sheet.
#include "platform/grid/formula/Formula.h"
#include "platform/grid/formula/FormulaEvaluator.h"
#include "platform/grid/sheet/Sheet.h"
#include "platform/grid/sheet/SheetEvalContext.h"

#include <array>
#include <benchmark/benchmark.h>
#include <cwchar>
#include <string>

namespace {

using namespace grid;

const std::array<const wchar_t*, 9> kFormulas = {
    L"=A1*2+B1/3",
    L"=A1+5.07-5-A1", // differences that cancel are snapped
    L"=SUMPRODUCT(A1:A100,B1:B100)",
    L"=COUNTIF(D1:D100,\"item 1*\")",
    L"=IF(A1>B1,A1-B1,B1-A1)",
    L"=SUM(A1:A100)*1.05",
    L"=ROUND(SQRT(A1^2+B1^2),2)",
    L"=VLOOKUP(A1,C1:D100,2,FALSE)",
    L"=CONCATENATE(\"Width \",TEXT(A1,\"0.00\"))",
};

void fill(Sheet& sheet) {
    sheet.setMaxCols(10);
    sheet.setMaxRows(200);
    for (int row = 1; row <= 100; ++row) {
        sheet.setCellText({1, row}, std::to_wstring(row));
        sheet.setCellText({2, row}, std::to_wstring(row * 3));
        sheet.setCellText({3, row}, std::to_wstring(row));
        sheet.setCellText({4, row}, L"item " + std::to_wstring(row));
    }
}

void BM_ParseFormula(benchmark::State& state) {
    const wchar_t* text = kFormulas[static_cast<std::size_t>(state.range(0))];
    for (auto _ : state) {
        FormulaPtr formula;
        benchmark::DoNotOptimize(Formula::parse(text, {5, 5}, ReferenceStyle::A1, formula));
        benchmark::DoNotOptimize(formula);
    }
    state.SetLabel(std::string(text, text + std::wcslen(text)));
}
BENCHMARK(BM_ParseFormula)->DenseRange(0, kFormulas.size() - 1);

// Evaluating an already parsed formula: what recalculation pays per formula.
void BM_EvaluateFormula(benchmark::State& state) {
    Sheet sheet;
    fill(sheet);
    CellStore cells;
    for (int row = 1; row <= 100; ++row) {
        cells.at({1, row}).value = Value::number(row);
        cells.at({2, row}).value = Value::number(row * 3);
        cells.at({3, row}).value = Value::number(row);
        cells.at({4, row}).value = Value::text(L"item " + std::to_wstring(row));
    }
    const CustomFunctionTable functions;
    const SheetEvalContext context(cells, functions);
    const wchar_t* text = kFormulas[static_cast<std::size_t>(state.range(0))];
    FormulaPtr formula;
    Formula::parse(text, {5, 5}, ReferenceStyle::A1, formula);
    for (auto _ : state) {
        FormulaEvaluator evaluator(context, {5, 5});
        benchmark::DoNotOptimize(evaluator.evaluateFormula(formula->root()));
    }
    state.SetLabel(std::string(text, text + std::wcslen(text)));
}
BENCHMARK(BM_EvaluateFormula)->DenseRange(0, kFormulas.size() - 1);

// A sheet of N formulas, each reading the one above; the benchmark changes the input at the
// top, so every formula recomputes.
void buildChain(Sheet& sheet, int n) {
    sheet.setMaxCols(2);
    sheet.setMaxRows(n + 1);
    sheet.setCellText({1, 1}, L"1");
    sheet.setCellText({2, 1}, L"1");
    for (int row = 2; row <= n + 1; ++row)
        sheet.setFormula({1, row}, L"=A" + std::to_wstring(row - 1) + L"+1");
    // One formula apart from the chain.
    sheet.setFormula({2, 2}, L"=B1*2");
}

void BM_RecalculateChain(benchmark::State& state) {
    const int n = static_cast<int>(state.range(0));
    Sheet sheet;
    buildChain(sheet, n);
    int input = 0;
    for (auto _ : state)
        sheet.setCellText({1, 1}, std::to_wstring(++input));
    state.SetItemsProcessed(state.iterations() * n);
}
BENCHMARK(BM_RecalculateChain)
    ->RangeMultiplier(10)
    ->Range(100, 100000)
    ->Unit(benchmark::kMicrosecond);

// The same sheets, changing the input that only one formula reads: the time should not grow
// with N.
void BM_RecalculateOneDependent(benchmark::State& state) {
    const int n = static_cast<int>(state.range(0));
    Sheet sheet;
    buildChain(sheet, n);
    int input = 0;
    for (auto _ : state)
        sheet.setCellText({2, 1}, std::to_wstring(++input));
}
BENCHMARK(BM_RecalculateOneDependent)
    ->RangeMultiplier(10)
    ->Range(100, 100000)
    ->Unit(benchmark::kMicrosecond);

void BM_BuildChain(benchmark::State& state) {
    const int n = static_cast<int>(state.range(0));
    for (auto _ : state) {
        Sheet sheet;
        buildChain(sheet, n);
    }
    state.SetItemsProcessed(state.iterations() * n);
}
BENCHMARK(BM_BuildChain)->RangeMultiplier(10)->Range(100, 100000)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
