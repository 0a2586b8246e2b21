#pragma once

#include "platform/grid/sheet/CellRange.h"
#include "platform/grid/sheet/CellRef.h"
#include "platform/grid/sheet/SheetModel.h"
#include "platform/grid/structure/ReferenceTransform.h"
#include "platform/grid/structure/ShiftTransform.h"

#include <vector>

namespace grid {

// Changes to the shape of a sheet's content: cells, spans, sizes and every formula's references
// move together, as a spreadsheet moves them. Callers check the arguments and rebuild the
// dependency graph afterwards.
class StructureEditor {
public:
    // count > 0 inserts count rows (columns) before `at`; count < 0 deletes -count of them from
    // `at`. Cells pushed past the sheet's size fall off; the size stays.
    static void shift(SheetModel& model, ShiftTransform::Axis axis, int at, int count);
    // Copies the cells of source (contents, formats, tags, notes) to the block whose top left
    // is target; relative references in copied formulas move with them. Returns the cells of
    // the target block that changed.
    static std::vector<CellRef> copy(SheetModel& model, const CellRange& source, CellRef target);
    // Moves the cells of source to target, emptying what the source leaves behind; references
    // anywhere to the moved cells follow them.
    static void move(SheetModel& model, const CellRange& source, CellRef target);
    // Drops everything beyond a new, smaller size.
    static void truncate(SheetModel& model, int maxCols, int maxRows);
    // Passes the references of every formula through the transform.
    static void adjustFormulas(CellStore& cells, const ReferenceTransform& transform);
};

} // namespace grid
