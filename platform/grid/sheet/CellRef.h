#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>

namespace grid {

// One cell, addressed by column and row counted from 1. Column 0 is the row-header column,
// row 0 the column-header row; (0, 0) is the corner cell.
struct CellRef {
    int col = 0;
    int row = 0;

    friend bool operator==(CellRef, CellRef) = default;
};

// Reading order: by row, then by column.
inline bool readingOrderLess(CellRef a, CellRef b) {
    return a.row != b.row ? a.row < b.row : a.col < b.col;
}

} // namespace grid

template <> struct std::hash<grid::CellRef> {
    // Distinct for every cell a sheet can hold (rows fit in 21 bits), and neighbours down a
    // column, the usual direction of lists and chains of formulas, land in neighbouring
    // buckets, which keeps walks cache-friendly.
    std::size_t operator()(grid::CellRef ref) const noexcept {
        return static_cast<std::size_t>(
            (static_cast<std::uint64_t>(static_cast<std::uint32_t>(ref.col)) << 21) ^
            static_cast<std::uint32_t>(ref.row));
    }
};
