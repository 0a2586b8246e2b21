#pragma once

#include "platform/grid/formula/Formula.h"
#include "platform/grid/sheet/CellFormat.h"
#include "platform/grid/values/Value.h"

#include <memory>
#include <string>

namespace grid {

// One stored cell. A formula cell keeps its formula and, in value, its last result. Formats are
// shared between cells (a column of number cells holds one format), null meaning the default.
struct Cell {
    Value value;
    FormulaPtr formula;
    std::shared_ptr<const CellFormat> format;
    std::wstring tag;
    std::wstring note;

    const CellFormat& formatOrDefault() const {
        static const CellFormat kDefault;
        return format ? *format : kDefault;
    }
    // Holds nothing that needs keeping.
    bool isBlank() const {
        return value.isEmpty() && !formula && !format && tag.empty() && note.empty();
    }
};

} // namespace grid
