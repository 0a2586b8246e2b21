#include "platform/grid/sheet/Sheet.h"
#include "platform/grid/structure/StructureEditor.h"

#include <algorithm>

// Inserting, deleting, copying and moving cells. Every formula is adjusted, the dependency
// graph rebuilt and, with automatic calculation, everything recomputed: references to deleted
// cells have become #REF! and values have moved.

namespace grid {

namespace {

bool validCount(int at, int count, int max) {
    return count >= 1 && at >= 1 && at <= max && count <= max;
}

// Header cells only ever land on header cells: a block either starts in the header row
// (column) at both ends of a copy or move, or in the body at both.
bool headersAligned(const CellRange& source, CellRef target) {
    return (source.first.col == 0) == (target.col == 0) &&
           (source.first.row == 0) == (target.row == 0);
}

} // namespace

bool Sheet::insertRows(int row, int count) {
    if (structureLocked() || !validCount(row, count, model_.maxRows))
        return false;
    StructureEditor::shift(model_, ShiftTransform::Axis::Rows, row, count);
    rebuildGraph();
    if (autoCalculate())
        recalcAll();
    return true;
}

bool Sheet::deleteRows(int row, int count) {
    if (structureLocked() || !validCount(row, count, model_.maxRows))
        return false;
    count = std::min(count, model_.maxRows - row + 1);
    StructureEditor::shift(model_, ShiftTransform::Axis::Rows, row, -count);
    rebuildGraph();
    if (autoCalculate())
        recalcAll();
    return true;
}

bool Sheet::insertColumns(int col, int count) {
    if (structureLocked() || !validCount(col, count, model_.maxCols))
        return false;
    StructureEditor::shift(model_, ShiftTransform::Axis::Columns, col, count);
    rebuildGraph();
    if (autoCalculate())
        recalcAll();
    return true;
}

bool Sheet::deleteColumns(int col, int count) {
    if (structureLocked() || !validCount(col, count, model_.maxCols))
        return false;
    count = std::min(count, model_.maxCols - col + 1);
    StructureEditor::shift(model_, ShiftTransform::Axis::Columns, col, -count);
    rebuildGraph();
    if (autoCalculate())
        recalcAll();
    return true;
}

bool Sheet::copyRange(const CellRange& source, CellRef target) {
    const CellRange destination{
        target, {target.col + source.columns() - 1, target.row + source.rows() - 1}};
    if (structureLocked() || !blockInSheet(source) || !blockInSheet(destination) ||
        !headersAligned(source, target))
        return false;
    const std::vector<CellRef> changed = StructureEditor::copy(model_, source, target);
    std::vector<CellRef> formulas;
    for (const CellRef ref : changed) {
        graph_.remove(ref);
        const Cell* cell = model_.cells.find(ref);
        if (cell && cell->formula) {
            graph_.add(ref, cell->formula);
            formulas.push_back(ref);
        }
    }
    // Copied formulas are computed in their new place; with automatic calculation the cells
    // that read the target block follow.
    if (autoCalculate())
        recalc(changed, true);
    else if (!formulas.empty())
        recalc(std::move(formulas), false);
    return true;
}

bool Sheet::moveRange(const CellRange& source, CellRef target) {
    const CellRange destination{
        target, {target.col + source.columns() - 1, target.row + source.rows() - 1}};
    if (structureLocked() || !blockInSheet(source) || !blockInSheet(destination) ||
        !headersAligned(source, target))
        return false;
    StructureEditor::move(model_, source, target);
    rebuildGraph();
    if (autoCalculate())
        recalcAll();
    return true;
}

} // namespace grid
