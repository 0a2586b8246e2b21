#pragma once

#include "platform/grid/sheet/CellRef.h"

namespace grid {

// What recalculation acts on: the sheet's formula cells.
class RecalcTarget {
public:
    virtual ~RecalcTarget() = default;
    // Computes the formula of the cell, if it holds one, and stores its result.
    virtual void evaluate(CellRef cell) = 0;
    // The cell's formula, if it holds one, is part of a circle of references.
    virtual void markCircular(CellRef cell) = 0;
};

} // namespace grid
