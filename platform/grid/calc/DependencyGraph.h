#pragma once

#include "platform/grid/formula/Formula.h"
#include "platform/grid/sheet/CellIndex.h"
#include "platform/grid/sheet/CellRange.h"
#include "platform/grid/sheet/CellRef.h"

#include <cstdint>
#include <functional>
#include <string>
#include <unordered_map>
#include <vector>

namespace grid {

// Which formulas read which cells, indexed backwards: from a changed cell to the formulas that
// depend on it directly. Single cells are looked up in a flat index whose lists of dependents
// share one array (a sheet of many formulas costs few allocations, and clearing it few
// frees); blocks are kept per column (wide blocks in one list), so finding the dependents of a
// cell costs about the number of references that could contain it, not the size of the sheet.
class DependencyGraph {
public:
    // Records the formula of a cell (replacing what was recorded for it).
    void add(CellRef cell, const FormulaPtr& formula);
    void remove(CellRef cell);
    void clear();
    bool empty() const { return formulas_.size() == 0; }

    // Each formula cell that reads `changed` directly; a formula reading it twice may come
    // twice.
    void forEachDependent(CellRef changed, const std::function<void(CellRef)>& visit) const;
    // Whether any formula reads `changed` directly (itself included).
    bool hasDependents(CellRef changed) const;
    // Each formula cell that calls the custom function of that upper-case name.
    void forEachCaller(const std::wstring& function,
                       const std::function<void(CellRef)>& visit) const;
    // The formula cells that are computed after every change (Formula::isVolatile).
    const std::vector<CellRef>& volatileCells() const { return volatileCells_; }

private:
    struct RangeEntry {
        CellRange range;
        CellRef dependent;
    };
    static constexpr int kWideColumns = 16;

    // One link of a list of the formulas that read a cell.
    struct Link {
        CellRef dependent;
        std::int32_t next = -1;
    };
    // The first and last link of a cell's list in links_.
    struct List {
        std::int32_t first = -1;
        std::int32_t last = -1;
    };

    // What is recorded of a formula: where its precedents lie in precedents_ and, for a
    // formula that calls custom functions, the formula itself (for the names). Formulas are
    // not held otherwise, so clearing the graph touches no formula.
    struct Recorded {
        std::uint32_t first = 0;
        std::uint32_t count = 0;
        FormulaPtr caller;
    };

    void addDependent(CellRef cell, CellRef dependent);
    void removeDependent(CellRef cell, CellRef dependent);
    // Drops the precedents of removed formulas from precedents_ once they are the most.
    void compactPrecedents();

    CellIndex<Recorded> formulas_;
    std::vector<CellRange> precedents_;
    // How many entries of precedents_ belong to removed formulas.
    std::size_t removedPrecedents_ = 0;
    CellIndex<List> cellDependents_;
    std::vector<Link> links_;
    // Links no list uses any more, chained through next.
    std::int32_t freeLinks_ = -1;
    std::unordered_map<int, std::vector<RangeEntry>> columnRanges_;
    std::vector<RangeEntry> wideRanges_;
    std::unordered_map<std::wstring, std::vector<CellRef>> callers_;
    std::vector<CellRef> volatileCells_;
};

} // namespace grid
