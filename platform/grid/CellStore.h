#pragma once

#include "platform/grid/Cell.h"
#include "platform/grid/CellRange.h"
#include "platform/grid/CellRef.h"

#include <cstddef>
#include <cstdint>
#include <functional>
#include <unordered_map>

namespace grid {

// The cells that hold something, by position. Empty positions cost nothing, so a sheet of
// 100,000 formulas or a block reference over a whole column stays cheap.
class CellStore {
public:
    const Cell* find(CellRef ref) const;
    Cell* find(CellRef ref);
    // The cell, created blank when missing.
    Cell& at(CellRef ref);
    void erase(CellRef ref);
    // Erases the cell when it holds nothing any more.
    void eraseIfBlank(CellRef ref);
    void clear();

    std::size_t size() const { return cells_.size(); }
    // Changes whenever a cell is added or removed; a pointer from find stays valid while it
    // is unchanged.
    std::uint64_t generation() const { return generation_; }
    // No stored cell lies beyond this column and row ({0, 0} when none is stored). It may
    // overstate after erasures, which only costs a lookup a few extra steps.
    CellRef extent() const { return extent_; }

    // Visits the stored cells of a block in reading order until visit returns false. Costs
    // the smaller of the block's area and the number of stored cells (times a sort).
    void forEachInRange(const CellRange& range,
                        const std::function<bool(CellRef, const Cell&)>& visit) const;
    // Every stored cell, in no particular order.
    const std::unordered_map<CellRef, Cell>& all() const { return cells_; }
    std::unordered_map<CellRef, Cell>& all() { return cells_; }
    // Takes all cells from the map (after a structural change built a new one).
    void replace(std::unordered_map<CellRef, Cell> cells);

private:
    void widen(CellRef ref);

    std::unordered_map<CellRef, Cell> cells_;
    CellRef extent_;
    std::uint64_t generation_ = 0;
};

} // namespace grid
