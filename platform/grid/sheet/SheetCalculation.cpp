#include "platform/grid/calc/Recalculator.h"
#include "platform/grid/formula/FormulaEvaluator.h"
#include "platform/grid/functions/BuiltinFunctions.h"
#include "platform/grid/sheet/Limits.h"
#include "platform/grid/sheet/Sheet.h"
#include "platform/grid/values/TextCase.h"

#include <algorithm>
#include <utility>

// Recalculation and custom functions.
//
// Callbacks of custom functions may change the sheet while a formula is being computed. Such
// changes are stored at once, but the recalculation they call for waits until the running one
// ends; it then runs in further rounds (a bounded number, so callbacks that keep changing cells
// cannot loop for ever). Structural changes are refused meanwhile. A formula's result is only
// stored when the cell still holds the formula that was computed.

namespace grid {

namespace {

constexpr int kMaxRounds = 16;

bool isFunctionName(const std::wstring& name) {
    if (name.empty())
        return false;
    auto letter = [](wchar_t ch) {
        return (ch >= L'A' && ch <= L'Z') || (ch >= L'a' && ch <= L'z') || ch == L'_' ||
               (ch >= 0xC0 && ch != 0xD7 && ch != 0xF7);
    };
    if (!letter(name[0]))
        return false;
    for (const wchar_t ch : name) {
        if (!letter(ch) && !(ch >= L'0' && ch <= L'9') && ch != L'.')
            return false;
    }
    return true;
}

} // namespace

class Sheet::Target : public RecalcTarget {
public:
    explicit Target(Sheet& sheet) : sheet_(sheet), textBudget_(sheet.textLimit_) {}

    void evaluate(CellRef ref) override {
        CellStore& cells = sheet_.model_.cells;
        Cell* cell = cells.find(ref);
        if (!cell || !cell->formula)
            return;
        const SheetEvalContext context(cells, sheet_.functions_);
        if (cell->formula->customCalls().empty()) {
            // Built-in functions never call out, so nothing can change the sheet meanwhile.
            cell->value =
                charged(FormulaEvaluator(context, ref).evaluateFormula(cell->formula->root()));
            return;
        }
        // A callback may replace this cell's formula or add cells (moving this one): hold the
        // formula, and find the cell again when the store changed.
        const FormulaPtr formula = cell->formula;
        const std::uint64_t generation = cells.generation();
        Value result = charged(FormulaEvaluator(context, ref).evaluateFormula(formula->root()));
        if (cells.generation() != generation)
            cell = cells.find(ref);
        if (cell && cell->formula == formula)
            cell->value = std::move(result);
    }

    void markCircular(CellRef ref) override {
        Cell* cell = sheet_.model_.cells.find(ref);
        if (cell && cell->formula)
            cell->value = Value::error(ErrorCode::Value);
    }

private:
    // A text result within what this calculation may still store, else #VALUE!.
    Value charged(Value result) {
        if (!result.isText())
            return result;
        const std::size_t length = result.asText().size();
        if (length > textBudget_) {
            sheet_.textLimitReached_ = true;
            return Value::error(ErrorCode::Value);
        }
        textBudget_ -= length;
        return result;
    }

    Sheet& sheet_;
    std::size_t textBudget_;
};

void Sheet::recalc(std::vector<CellRef> seeds, bool propagate) {
    if (calculating_) {
        pending_.insert(pending_.end(), seeds.begin(), seeds.end());
        pendingPropagate_ = pendingPropagate_ || propagate;
        return;
    }
    struct Running {
        Sheet& sheet;
        explicit Running(Sheet& s) : sheet(s) { sheet.calculating_ = true; }
        ~Running() {
            sheet.calculating_ = false;
            sheet.pending_.clear();
            sheet.pendingPropagate_ = false;
        }
    } running(*this);
    textLimitReached_ = false;
    Target target(*this);
    // Volatile formulas (OFFSET, INDIRECT) follow everything else once, with what reads them;
    // once only, so one that reads its own cell cannot keep the calculation going.
    bool volatilesDue = propagate && !graph_.volatileCells().empty();
    for (int round = 0; round < kMaxRounds && !seeds.empty(); ++round) {
        // One changed cell that nothing reads (a value stored, a formula set) is all there is
        // to compute: no ordering needed.
        if (seeds.size() == 1 && !graph_.hasDependents(seeds.front()))
            target.evaluate(seeds.front());
        else
            Recalculator::run(seeds, propagate, graph_, target);
        seeds = std::exchange(pending_, {});
        propagate = std::exchange(pendingPropagate_, false);
        if (seeds.empty() && volatilesDue) {
            seeds = graph_.volatileCells();
            propagate = true;
            volatilesDue = false;
        }
    }
}

void Sheet::recalcAll() {
    std::vector<CellRef> seeds;
    for (const auto& [ref, cell] : model_.cells.all()) {
        if (cell.formula)
            seeds.push_back(ref);
    }
    // A fixed order keeps results of order-dependent callbacks reproducible.
    std::sort(seeds.begin(), seeds.end(), readingOrderLess);
    recalc(std::move(seeds), true);
}

void Sheet::rebuildGraph() {
    graph_.clear();
    for (const auto& [ref, cell] : model_.cells.all()) {
        if (cell.formula)
            graph_.add(ref, cell.formula);
    }
}

void Sheet::recalculate() {
    recalcAll();
}

bool Sheet::recalculateCell(CellRef ref) {
    if (!inBody(ref))
        return false;
    const Cell* cell = model_.cells.find(ref);
    if (cell && cell->formula)
        recalc({ref}, autoCalculate());
    return true;
}

bool Sheet::addCustomFunction(CustomFunction function) {
    if (!isFunctionName(function.name) || !function.callback || function.minArgs < 0 ||
        (function.maxArgs >= 0 && function.maxArgs < function.minArgs))
        return false;
    const std::wstring name = TextCase::upper(function.name);
    if (BuiltinFunctions::find(name))
        return false;
    functions_[name] = std::make_shared<const CustomFunction>(std::move(function));
    if (autoCalculate()) {
        std::vector<CellRef> callers;
        graph_.forEachCaller(name, [&](CellRef ref) { callers.push_back(ref); });
        if (!callers.empty())
            recalc(std::move(callers), true);
    }
    return true;
}

} // namespace grid
