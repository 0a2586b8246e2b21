#pragma once

#include "platform/grid/sheet/Cell.h"
#include "platform/grid/sheet/CellType.h"
#include "platform/grid/values/Value.h"

#include <optional>
#include <string>
#include <string_view>

namespace grid {

// The texts of a cell by its type, and how a cell of a type takes text in.
class CellText {
public:
    // As shown: a number cell shows its decimals ("12.50"), other numbers their general form,
    // an error its text.
    static std::wstring formatted(const Cell& cell);
    // Unformatted: a number cell's value rounded to its decimals without trailing zeros
    // ("12.5", "400", "-0.3333333"); check boxes "1" or "0". nullopt for an error.
    static std::optional<std::wstring> value(const Cell& cell);
    // The value a cell of this type stores for the text, or nullopt when it refuses it (a
    // number cell given no number or one outside its range). Empty text empties any cell.
    static std::optional<Value> accept(const CellType& type, std::wstring_view text);
};

} // namespace grid
