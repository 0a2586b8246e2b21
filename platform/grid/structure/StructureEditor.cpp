#include "platform/grid/structure/StructureEditor.h"

#include "platform/grid/structure/CopyTransform.h"
#include "platform/grid/structure/MoveTransform.h"
#include "platform/grid/structure/ReferenceAdjuster.h"

#include <algorithm>
#include <unordered_map>
#include <utility>

namespace grid {

namespace {

// A formula with its references passed through the transform (the same one if none changed).
FormulaPtr adjusted(const FormulaPtr& formula, const ReferenceTransform& transform) {
    ExprPtr root = ReferenceAdjuster::adjust(formula->root(), transform);
    return root ? std::make_shared<const Formula>(std::move(root)) : formula;
}

// Whether the transform changes any reference of the formula; precedents carry no '$', which
// the transforms used here (shift and move) ignore.
bool touches(const Formula& formula, const ReferenceTransform& transform) {
    for (const CellRange& range : formula.precedents()) {
        const Reference first{range.first.col, range.first.row, false, false};
        const Reference last{range.last.col, range.last.row, false, false};
        if (range.isSingleCell()) {
            const auto moved = transform.cell(first);
            if (!moved || !(*moved == first))
                return true;
        } else {
            const auto moved = transform.range(first, last);
            if (!moved || !(moved->first == first) || !(moved->second == last))
                return true;
        }
    }
    return false;
}

CellRange shifted(const CellRange& block, int colOffset, int rowOffset) {
    return {{block.first.col + colOffset, block.first.row + rowOffset},
            {block.last.col + colOffset, block.last.row + rowOffset}};
}

std::vector<std::pair<CellRef, Cell>> takeBlock(CellStore& cells, const CellRange& block,
                                                bool erase) {
    std::vector<std::pair<CellRef, Cell>> taken;
    cells.forEachInRange(block, [&](CellRef ref, const Cell& cell) {
        taken.emplace_back(ref, cell);
        return true;
    });
    if (erase) {
        for (const auto& entry : taken)
            cells.erase(entry.first);
    }
    return taken;
}

} // namespace

void StructureEditor::adjustFormulas(CellStore& cells, const ReferenceTransform& transform) {
    for (auto& [ref, cell] : cells.all()) {
        if (cell.formula && touches(*cell.formula, transform))
            cell.formula = adjusted(cell.formula, transform);
    }
}

void StructureEditor::shift(SheetModel& model, ShiftTransform::Axis axis, int at, int count) {
    const bool rows = axis == ShiftTransform::Axis::Rows;
    const int limit = rows ? model.maxRows : model.maxCols;
    const ShiftTransform transform(axis, at, count);

    std::unordered_map<CellRef, Cell> moved;
    moved.reserve(model.cells.size());
    for (auto& [ref, cell] : model.cells.all()) {
        const Reference position{ref.col, ref.row, false, false};
        const int coordinate = rows ? ref.row : ref.col;
        if (coordinate == 0) { // header cells of the other axis stay
            moved.emplace(ref, std::move(cell));
            continue;
        }
        const auto target = transform.cell(position);
        if (!target || (rows ? target->row : target->col) > limit)
            continue;
        moved.emplace(target->cell(), std::move(cell));
    }
    model.cells.replace(std::move(moved));
    adjustFormulas(model.cells, transform);

    model.spans.transform([&](const CellRange& span) -> std::optional<CellRange> {
        if ((rows ? span.first.row : span.first.col) == 0)
            return span;
        const auto corners = transform.range({span.first.col, span.first.row, false, false},
                                             {span.last.col, span.last.row, false, false});
        if (!corners)
            return std::nullopt;
        CellRange out{corners->first.cell(), corners->second.cell()};
        int& first = rows ? out.first.row : out.first.col;
        int& last = rows ? out.last.row : out.last.col;
        if (first > limit)
            return std::nullopt;
        last = std::min(last, limit);
        return out;
    });
    if (rows)
        model.layout.shiftRows(at, count);
    else
        model.layout.shiftColumns(at, count);
    model.layout.truncate(model.maxCols, model.maxRows);
}

std::vector<CellRef> StructureEditor::copy(SheetModel& model, const CellRange& source,
                                           CellRef target) {
    const int colOffset = target.col - source.first.col;
    const int rowOffset = target.row - source.first.row;
    const CellRange destination = shifted(source, colOffset, rowOffset);
    const CopyTransform transform(colOffset, rowOffset);

    const auto copied = takeBlock(model.cells, source, false);
    const auto replaced = takeBlock(model.cells, destination, true);
    std::vector<CellRef> changed;
    for (const auto& entry : replaced)
        changed.push_back(entry.first);
    for (const auto& [ref, original] : copied) {
        const CellRef to{ref.col + colOffset, ref.row + rowOffset};
        Cell cell = original;
        if (cell.formula)
            cell.formula = adjusted(cell.formula, transform);
        model.cells.at(to) = std::move(cell);
        changed.push_back(to);
    }
    std::sort(changed.begin(), changed.end(), readingOrderLess);
    changed.erase(std::unique(changed.begin(), changed.end()), changed.end());

    const std::vector<CellRange> spans = model.spans.all();
    for (const CellRange& span : spans) {
        if (span.intersects(destination))
            model.spans.remove(span.first);
    }
    for (const CellRange& span : spans) {
        if (source.contains(span.first) && source.contains(span.last))
            model.spans.add(shifted(span, colOffset, rowOffset));
    }
    return changed;
}

void StructureEditor::move(SheetModel& model, const CellRange& source, CellRef target) {
    const int colOffset = target.col - source.first.col;
    const int rowOffset = target.row - source.first.row;
    const CellRange destination = shifted(source, colOffset, rowOffset);

    auto moving = takeBlock(model.cells, source, true);
    takeBlock(model.cells, destination, true);
    for (auto& [ref, cell] : moving)
        model.cells.at({ref.col + colOffset, ref.row + rowOffset}) = std::move(cell);
    adjustFormulas(model.cells, MoveTransform(source, colOffset, rowOffset));

    const std::vector<CellRange> spans = model.spans.all();
    model.spans.clear();
    for (const CellRange& span : spans) {
        if (source.contains(span.first) && source.contains(span.last))
            model.spans.add(shifted(span, colOffset, rowOffset));
    }
    for (const CellRange& span : spans) {
        if (!(source.contains(span.first) && source.contains(span.last)) &&
            !span.intersects(destination))
            model.spans.add(span);
    }
}

void StructureEditor::truncate(SheetModel& model, int maxCols, int maxRows) {
    std::vector<CellRef> beyond;
    for (const auto& [ref, cell] : model.cells.all()) {
        if (ref.col > maxCols || ref.row > maxRows)
            beyond.push_back(ref);
    }
    for (const CellRef ref : beyond)
        model.cells.erase(ref);
    model.spans.transform([&](const CellRange& span) -> std::optional<CellRange> {
        if (span.first.col > maxCols || span.first.row > maxRows)
            return std::nullopt;
        return CellRange{span.first,
                         {std::min(span.last.col, maxCols), std::min(span.last.row, maxRows)}};
    });
    model.layout.truncate(maxCols, maxRows);
    if (model.activeCell && (model.activeCell->col > maxCols || model.activeCell->row > maxRows))
        model.activeCell.reset();
    if (model.selection &&
        (model.selection->first.col > maxCols || model.selection->first.row > maxRows))
        model.selection.reset();
    if (!model.activeCell)
        model.editMode = false;
}

} // namespace grid
