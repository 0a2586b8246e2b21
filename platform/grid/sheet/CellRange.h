#pragma once

#include "platform/grid/sheet/CellRef.h"

#include <algorithm>

namespace grid {

// A rectangular block of cells from first (top left) to last (bottom right), both included.
struct CellRange {
    CellRef first;
    CellRef last;

    // The block spanned by two corners given in any order.
    static CellRange spanning(CellRef a, CellRef b) {
        return {{std::min(a.col, b.col), std::min(a.row, b.row)},
                {std::max(a.col, b.col), std::max(a.row, b.row)}};
    }
    static CellRange single(CellRef ref) { return {ref, ref}; }

    int columns() const { return last.col - first.col + 1; }
    int rows() const { return last.row - first.row + 1; }
    long long area() const { return static_cast<long long>(columns()) * rows(); }
    bool isSingleCell() const { return first == last; }
    bool contains(CellRef ref) const {
        return ref.col >= first.col && ref.col <= last.col && ref.row >= first.row &&
               ref.row <= last.row;
    }
    bool intersects(const CellRange& other) const {
        return first.col <= other.last.col && other.first.col <= last.col &&
               first.row <= other.last.row && other.first.row <= last.row;
    }

    friend bool operator==(const CellRange&, const CellRange&) = default;
};

} // namespace grid
