#pragma once

#include "platform/grid/sheet/CellRef.h"

namespace grid {

// A cell reference inside a formula: the cell it points at, and which parts are absolute
// ($A$1, R1C1) rather than relative (A1, R[-1]C[2]). Relative parts move when the formula is
// copied; absolute ones stay.
struct Reference {
    int col = 0;
    int row = 0;
    bool colAbsolute = false;
    bool rowAbsolute = false;

    CellRef cell() const { return {col, row}; }
    friend bool operator==(const Reference&, const Reference&) = default;
};

} // namespace grid
