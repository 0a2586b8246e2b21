#pragma once

#include "platform/grid/CellRange.h"
#include "platform/grid/CellRef.h"
#include "platform/grid/Formula.h"

#include <functional>
#include <string>
#include <unordered_map>
#include <vector>

namespace grid {

// Which formulas read which cells, indexed backwards: from a changed cell to the formulas that
// depend on it directly. Single cells are looked up by hash; blocks are kept per column (wide
// blocks in one list), so finding the dependents of a cell costs about the number of
// references that could contain it, not the size of the sheet.
class DependencyGraph {
public:
    // Records the formula of a cell (replacing what was recorded for it).
    void add(CellRef cell, const FormulaPtr& formula);
    void remove(CellRef cell);
    void clear();
    bool empty() const { return formulas_.empty(); }

    // Each formula cell that reads `changed` directly; a formula reading it twice may come
    // twice.
    void forEachDependent(CellRef changed, const std::function<void(CellRef)>& visit) const;
    // Whether any formula reads `changed` directly (itself included).
    bool hasDependents(CellRef changed) const;
    // Each formula cell that calls the custom function of that upper-case name.
    void forEachCaller(const std::wstring& function,
                       const std::function<void(CellRef)>& visit) const;

private:
    struct RangeEntry {
        CellRange range;
        CellRef dependent;
    };
    static constexpr int kWideColumns = 16;

    std::unordered_map<CellRef, FormulaPtr> formulas_;
    std::unordered_map<CellRef, std::vector<CellRef>> cellDependents_;
    std::unordered_map<int, std::vector<RangeEntry>> columnRanges_;
    std::vector<RangeEntry> wideRanges_;
    std::unordered_map<std::wstring, std::vector<CellRef>> callers_;
};

} // namespace grid
