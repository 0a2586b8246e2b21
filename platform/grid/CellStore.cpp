#include "platform/grid/CellStore.h"

#include <algorithm>
#include <utility>
#include <vector>

namespace grid {

const Cell* CellStore::find(CellRef ref) const {
    const auto it = cells_.find(ref);
    return it == cells_.end() ? nullptr : &it->second;
}

Cell* CellStore::find(CellRef ref) {
    const auto it = cells_.find(ref);
    return it == cells_.end() ? nullptr : &it->second;
}

Cell& CellStore::at(CellRef ref) {
    const auto [it, inserted] = cells_.try_emplace(ref);
    if (inserted) {
        widen(ref);
        ++generation_;
    }
    return it->second;
}

void CellStore::erase(CellRef ref) {
    if (cells_.erase(ref) != 0)
        ++generation_;
    if (cells_.empty())
        extent_ = {};
}

void CellStore::eraseIfBlank(CellRef ref) {
    const auto it = cells_.find(ref);
    if (it != cells_.end() && it->second.isBlank())
        erase(ref);
}

void CellStore::clear() {
    cells_.clear();
    extent_ = {};
    ++generation_;
}

void CellStore::widen(CellRef ref) {
    extent_.col = std::max(extent_.col, ref.col);
    extent_.row = std::max(extent_.row, ref.row);
}

void CellStore::replace(std::unordered_map<CellRef, Cell> cells) {
    cells_ = std::move(cells);
    extent_ = {};
    ++generation_;
    for (const auto& [ref, cell] : cells_)
        widen(ref);
}

void CellStore::forEachInRange(const CellRange& range,
                               const std::function<bool(CellRef, const Cell&)>& visit) const {
    const CellRange clipped{
        range.first,
        {std::min(range.last.col, extent_.col), std::min(range.last.row, extent_.row)}};
    if (clipped.last.col < clipped.first.col || clipped.last.row < clipped.first.row ||
        cells_.empty())
        return;
    if (clipped.area() <= static_cast<long long>(cells_.size()) * 2) {
        for (int row = clipped.first.row; row <= clipped.last.row; ++row) {
            for (int col = clipped.first.col; col <= clipped.last.col; ++col) {
                const auto it = cells_.find({col, row});
                if (it != cells_.end() && !visit(it->first, it->second))
                    return;
            }
        }
        return;
    }
    std::vector<CellRef> inside;
    for (const auto& [ref, cell] : cells_) {
        if (clipped.contains(ref))
            inside.push_back(ref);
    }
    std::sort(inside.begin(), inside.end(), readingOrderLess);
    for (const CellRef ref : inside) {
        if (!visit(ref, cells_.at(ref)))
            return;
    }
}

} // namespace grid
