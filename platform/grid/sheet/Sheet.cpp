#include "platform/grid/sheet/Sheet.h"

#include "platform/grid/sheet/CellText.h"
#include "platform/grid/sheet/Limits.h"
#include "platform/grid/structure/StructureEditor.h"

#include <utility>

// Size and cell contents. Formats and state live in SheetFormat.cpp, calculation in
// SheetCalculation.cpp, structure in SheetStructure.cpp, files in SheetFiles.cpp.

namespace grid {

Sheet::Sheet() = default;
Sheet::~Sheet() = default;

bool Sheet::inBody(CellRef cell) const {
    return cell.col >= 1 && cell.col <= model_.maxCols && cell.row >= 1 &&
           cell.row <= model_.maxRows;
}

bool Sheet::inSheet(CellRef cell) const {
    return cell.col >= 0 && cell.col <= model_.maxCols && cell.row >= 0 &&
           cell.row <= model_.maxRows;
}

bool Sheet::blockInSheet(const CellRange& block) const {
    return inSheet(block.first) && inSheet(block.last) && block.first.col <= block.last.col &&
           block.first.row <= block.last.row;
}

bool Sheet::autoCalculate() const {
    return model_.options.test(SheetOption::kAutoCalculate);
}

bool Sheet::setMaxCols(int cols) {
    return resize(cols, model_.maxRows);
}

bool Sheet::setMaxRows(int rows) {
    return resize(model_.maxCols, rows);
}

bool Sheet::resize(int cols, int rows) {
    if (cols < 0 || cols > kMaxColumns || rows < 0 || rows > kMaxRows)
        return false;
    const bool shrinking = cols < model_.maxCols || rows < model_.maxRows;
    // Cells past a new edge are dropped, which a running calculation must not see.
    if (shrinking && structureLocked())
        return false;
    model_.maxCols = cols;
    model_.maxRows = rows;
    if (shrinking) {
        StructureEditor::truncate(model_, model_.maxCols, model_.maxRows);
        rebuildGraph();
        if (autoCalculate())
            recalcAll();
    }
    return true;
}

void Sheet::storeValue(CellRef ref, Value value) {
    Cell& cell = model_.cells.at(ref);
    const bool hadFormula = cell.formula != nullptr;
    cell.formula.reset();
    cell.value = std::move(value);
    model_.cells.eraseIfBlank(ref);
    if (hadFormula)
        graph_.remove(ref);
    if (autoCalculate())
        recalc({ref}, true);
}

bool Sheet::setCellText(CellRef ref, std::wstring_view text) {
    if (!inSheet(ref))
        return false;
    const Cell* cell = model_.cells.find(ref);
    static const CellType kGeneral;
    const CellType& type = cell ? cell->formatOrDefault().type : kGeneral;
    std::optional<Value> value = CellText::accept(type, text);
    if (!value)
        return false;
    storeValue(ref, std::move(*value));
    return true;
}

bool Sheet::clearCell(CellRef ref) {
    if (!inSheet(ref))
        return false;
    if (model_.cells.find(ref))
        storeValue(ref, Value());
    return true;
}

Result Sheet::setFormula(CellRef ref, std::wstring_view text) {
    if (!inBody(ref))
        return Result::failure(L"the cell lies outside the sheet");
    const std::size_t first = text.find_first_not_of(L" \t");
    if (first == std::wstring_view::npos ||
        (text[first] == L'=' &&
         text.find_first_not_of(L" \t", first + 1) == std::wstring_view::npos)) {
        clearCell(ref);
        return Result::success();
    }
    FormulaPtr formula;
    Result parsed = Formula::parse(text, ref, model_.referenceStyle, formula);
    if (!parsed)
        return parsed;
    return setFormula(ref, std::move(formula));
}

Result Sheet::setFormula(CellRef ref, FormulaPtr formula) {
    if (!inBody(ref))
        return Result::failure(L"the cell lies outside the sheet");
    if (!formula) {
        clearCell(ref);
        return Result::success();
    }
    Cell& cell = model_.cells.at(ref);
    cell.formula = formula;
    graph_.add(ref, formula);
    recalc({ref}, autoCalculate());
    return Result::success();
}

std::optional<std::wstring> Sheet::cellText(CellRef ref, TextKind kind) const {
    if (!inSheet(ref))
        return std::nullopt;
    const Cell* cell = model_.cells.find(ref);
    if (!cell)
        return std::wstring();
    switch (kind) {
    case TextKind::Formatted:
        return CellText::formatted(*cell);
    case TextKind::Formula:
        return cell->formula ? cell->formula->text(ref, model_.referenceStyle) : std::wstring();
    case TextKind::Tag:
        return cell->tag;
    case TextKind::Value:
        return CellText::value(*cell);
    }
    return std::nullopt;
}

std::optional<Value> Sheet::cellValue(CellRef ref) const {
    if (!inSheet(ref))
        return std::nullopt;
    const Cell* cell = model_.cells.find(ref);
    return cell ? cell->value : Value();
}

std::vector<CellRef> Sheet::filledCells() const {
    std::vector<CellRef> filled;
    if (model_.maxCols < 1 || model_.maxRows < 1)
        return filled;
    model_.cells.forEachInRange({{1, 1}, {model_.maxCols, model_.maxRows}},
                                [&filled](CellRef ref, const Cell& cell) {
                                    if (!cell.value.isEmpty() || cell.formula)
                                        filled.push_back(ref);
                                    return true;
                                });
    return filled;
}

void Sheet::forEachFilledCell(
    const std::function<bool(CellRef, const Value&, bool formula)>& visit) const {
    for (const auto& [ref, cell] : model_.cells.all()) {
        if (!inBody(ref) || (cell.value.isEmpty() && !cell.formula))
            continue;
        if (!visit(ref, cell.value, cell.formula != nullptr))
            return;
    }
}

bool Sheet::setTag(CellRef ref, std::wstring_view tag) {
    if (!inSheet(ref))
        return false;
    model_.cells.at(ref).tag = std::wstring(tag);
    model_.cells.eraseIfBlank(ref);
    return true;
}

bool Sheet::setNote(CellRef ref, std::wstring_view note) {
    if (!inSheet(ref))
        return false;
    model_.cells.at(ref).note = std::wstring(note);
    model_.cells.eraseIfBlank(ref);
    return true;
}

std::optional<std::wstring> Sheet::note(CellRef ref) const {
    if (!inSheet(ref))
        return std::nullopt;
    const Cell* cell = model_.cells.find(ref);
    return cell ? cell->note : std::wstring();
}

} // namespace grid
