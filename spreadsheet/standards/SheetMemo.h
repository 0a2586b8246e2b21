#pragma once

#include "spreadsheet/standards/EquationMemo.h"
#include "spreadsheet/standards/VariableTable.h"

#include <memory>

namespace ss {

// What the evaluations of one sheet file learn and hand on to the next evaluation of that
// file: the last variable table built and the equations taken apart under it. Both say what
// they were built from, so nothing is reused that no longer fits.
struct SheetMemo {
    std::shared_ptr<const VariableTable> table;
    EquationMemo equations;
};

} // namespace ss
