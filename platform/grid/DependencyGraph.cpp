#include "platform/grid/DependencyGraph.h"

#include <algorithm>

namespace grid {

namespace {

template <typename T, typename Pred> void eraseFirst(std::vector<T>& list, Pred pred) {
    const auto it = std::find_if(list.begin(), list.end(), pred);
    if (it != list.end()) {
        *it = std::move(list.back());
        list.pop_back();
    }
}

} // namespace

void DependencyGraph::add(CellRef cell, const FormulaPtr& formula) {
    remove(cell);
    if (!formula)
        return;
    formulas_[cell] = formula;
    for (const CellRange& range : formula->precedents()) {
        if (range.isSingleCell())
            cellDependents_[range.first].push_back(cell);
        else if (range.columns() > kWideColumns)
            wideRanges_.push_back({range, cell});
        else
            for (int col = range.first.col; col <= range.last.col; ++col)
                columnRanges_[col].push_back({range, cell});
    }
    for (const std::wstring& name : formula->customCalls())
        callers_[name].push_back(cell);
}

void DependencyGraph::remove(CellRef cell) {
    const auto it = formulas_.find(cell);
    if (it == formulas_.end())
        return;
    const FormulaPtr formula = it->second;
    formulas_.erase(it);
    auto isEntry = [&](const RangeEntry& e) { return e.dependent == cell; };
    for (const CellRange& range : formula->precedents()) {
        if (range.isSingleCell()) {
            const auto list = cellDependents_.find(range.first);
            if (list == cellDependents_.end())
                continue;
            eraseFirst(list->second, [&](CellRef ref) { return ref == cell; });
            if (list->second.empty())
                cellDependents_.erase(list);
        } else if (range.columns() > kWideColumns) {
            eraseFirst(wideRanges_,
                       [&](const RangeEntry& e) { return isEntry(e) && e.range == range; });
        } else {
            for (int col = range.first.col; col <= range.last.col; ++col) {
                const auto list = columnRanges_.find(col);
                if (list == columnRanges_.end())
                    continue;
                eraseFirst(list->second,
                           [&](const RangeEntry& e) { return isEntry(e) && e.range == range; });
                if (list->second.empty())
                    columnRanges_.erase(list);
            }
        }
    }
    for (const std::wstring& name : formula->customCalls()) {
        const auto list = callers_.find(name);
        if (list == callers_.end())
            continue;
        eraseFirst(list->second, [&](CellRef ref) { return ref == cell; });
        if (list->second.empty())
            callers_.erase(list);
    }
}

void DependencyGraph::clear() {
    formulas_.clear();
    cellDependents_.clear();
    columnRanges_.clear();
    wideRanges_.clear();
    callers_.clear();
}

void DependencyGraph::forEachDependent(CellRef changed,
                                       const std::function<void(CellRef)>& visit) const {
    if (const auto it = cellDependents_.find(changed); it != cellDependents_.end()) {
        for (const CellRef ref : it->second)
            visit(ref);
    }
    if (const auto it = columnRanges_.find(changed.col); it != columnRanges_.end()) {
        for (const RangeEntry& entry : it->second) {
            if (entry.range.contains(changed))
                visit(entry.dependent);
        }
    }
    for (const RangeEntry& entry : wideRanges_) {
        if (entry.range.contains(changed))
            visit(entry.dependent);
    }
}

bool DependencyGraph::hasDependents(CellRef changed) const {
    if (const auto it = cellDependents_.find(changed);
        it != cellDependents_.end() && !it->second.empty())
        return true;
    if (const auto it = columnRanges_.find(changed.col); it != columnRanges_.end()) {
        for (const RangeEntry& entry : it->second) {
            if (entry.range.contains(changed))
                return true;
        }
    }
    for (const RangeEntry& entry : wideRanges_) {
        if (entry.range.contains(changed))
            return true;
    }
    return false;
}

void DependencyGraph::forEachCaller(const std::wstring& function,
                                    const std::function<void(CellRef)>& visit) const {
    if (const auto it = callers_.find(function); it != callers_.end()) {
        for (const CellRef ref : it->second)
            visit(ref);
    }
}

} // namespace grid
