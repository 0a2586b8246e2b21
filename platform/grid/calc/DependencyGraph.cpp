#include "platform/grid/calc/DependencyGraph.h"

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

void DependencyGraph::addDependent(CellRef cell, CellRef dependent) {
    std::int32_t link = freeLinks_;
    if (link >= 0) {
        freeLinks_ = links_[static_cast<std::size_t>(link)].next;
        links_[static_cast<std::size_t>(link)] = {dependent, -1};
    } else {
        link = static_cast<std::int32_t>(links_.size());
        links_.push_back({dependent, -1});
    }
    bool added = false;
    List& list = cellDependents_.get(cell, added);
    if (added)
        list.first = link;
    else
        links_[static_cast<std::size_t>(list.last)].next = link;
    list.last = link;
}

void DependencyGraph::removeDependent(CellRef cell, CellRef dependent) {
    List* list = cellDependents_.find(cell);
    if (list == nullptr)
        return;
    std::int32_t previous = -1;
    for (std::int32_t link = list->first; link >= 0;) {
        Link& current = links_[static_cast<std::size_t>(link)];
        if (!(current.dependent == dependent)) {
            previous = link;
            link = current.next;
            continue;
        }
        const std::int32_t next = current.next;
        if (previous < 0)
            list->first = next;
        else
            links_[static_cast<std::size_t>(previous)].next = next;
        if (list->last == link)
            list->last = previous;
        current.next = freeLinks_;
        freeLinks_ = link;
        if (list->first < 0)
            cellDependents_.erase(cell);
        return;
    }
}

void DependencyGraph::add(CellRef cell, const FormulaPtr& formula) {
    remove(cell);
    if (!formula)
        return;
    const std::vector<CellRange>& precedents = formula->precedents();
    bool added = false;
    Recorded& recorded = formulas_.get(cell, added);
    recorded.first = static_cast<std::uint32_t>(precedents_.size());
    recorded.count = static_cast<std::uint32_t>(precedents.size());
    recorded.caller = formula->customCalls().empty() ? nullptr : formula;
    precedents_.insert(precedents_.end(), precedents.begin(), precedents.end());
    for (const CellRange& range : precedents) {
        if (range.isSingleCell())
            addDependent(range.first, cell);
        else if (range.columns() > kWideColumns)
            wideRanges_.push_back({range, cell});
        else
            for (int col = range.first.col; col <= range.last.col; ++col)
                columnRanges_[col].push_back({range, cell});
    }
    for (const std::wstring& name : formula->customCalls())
        callers_[name].push_back(cell);
    if (formula->isVolatile())
        volatileCells_.push_back(cell);
}

void DependencyGraph::remove(CellRef cell) {
    Recorded* found = formulas_.find(cell);
    if (found == nullptr)
        return;
    const Recorded recorded = std::move(*found);
    formulas_.erase(cell);
    if (!volatileCells_.empty())
        eraseFirst(volatileCells_, [&](CellRef ref) { return ref == cell; });
    auto isEntry = [&](const RangeEntry& e) { return e.dependent == cell; };
    for (std::uint32_t i = 0; i < recorded.count; ++i) {
        const CellRange range = precedents_[recorded.first + i];
        if (range.isSingleCell()) {
            removeDependent(range.first, cell);
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
    if (recorded.caller) {
        for (const std::wstring& name : recorded.caller->customCalls()) {
            const auto list = callers_.find(name);
            if (list == callers_.end())
                continue;
            eraseFirst(list->second, [&](CellRef ref) { return ref == cell; });
            if (list->second.empty())
                callers_.erase(list);
        }
    }
    removedPrecedents_ += recorded.count;
    if (removedPrecedents_ > 1024 && removedPrecedents_ * 2 > precedents_.size())
        compactPrecedents();
}

void DependencyGraph::compactPrecedents() {
    std::vector<CellRange> kept;
    kept.reserve(precedents_.size() - removedPrecedents_);
    formulas_.forEach([&](CellRef, Recorded& recorded) {
        const auto first = precedents_.begin() + recorded.first;
        recorded.first = static_cast<std::uint32_t>(kept.size());
        kept.insert(kept.end(), first, first + recorded.count);
    });
    precedents_ = std::move(kept);
    removedPrecedents_ = 0;
}

void DependencyGraph::clear() {
    formulas_.clear();
    precedents_.clear();
    removedPrecedents_ = 0;
    cellDependents_.clear();
    links_.clear();
    freeLinks_ = -1;
    columnRanges_.clear();
    wideRanges_.clear();
    callers_.clear();
    volatileCells_.clear();
}

void DependencyGraph::forEachDependent(CellRef changed,
                                       const std::function<void(CellRef)>& visit) const {
    if (const List* list = cellDependents_.find(changed)) {
        for (std::int32_t link = list->first; link >= 0;) {
            const Link& current = links_[static_cast<std::size_t>(link)];
            link = current.next;
            visit(current.dependent);
        }
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
    if (cellDependents_.find(changed) != nullptr)
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
