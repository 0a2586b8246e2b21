#pragma once

#include "platform/grid/sheet/CellRef.h"

#include <optional>
#include <string>
#include <string_view>

namespace grid {

// Column letters of A1 notation: 1 is "A", 26 "Z", 27 "AA", 16384 "XFD".
class CellAddress {
public:
    static std::wstring columnLetters(int col);
    // The column of one to three letters (either case); nullopt for anything else or a column
    // beyond the sheet limit.
    static std::optional<int> columnFromLetters(std::wstring_view letters);
    // "B12" for column 2, row 12.
    static std::wstring a1(CellRef ref);
};

} // namespace grid
