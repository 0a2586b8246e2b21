#pragma once

namespace grid {

// Which text of a cell to read.
enum class TextKind {
    Formatted = 0, // as shown: a number cell with its decimals ("12.50")
    Formula = 1,   // the formula without '=', in the sheet's reference style; "" when none
    Tag = 2,
    Value = 3, // unformatted ("12.5"); an error result cannot be read this way
};

} // namespace grid
