#include "platform/grid/sheet/CellStore.h"

#include <algorithm>
#include <utility>

namespace grid {

namespace {

// Erased places are dropped once they are this many and outnumber the stored cells.
constexpr std::size_t kMinErasedToCompact = 64;

} // namespace

const Cell* CellStore::find(CellRef ref) const {
    const std::uint32_t* at = index_.find(ref);
    return at == nullptr || live_[*at] == 0 ? nullptr : &entries_[*at].second;
}

Cell* CellStore::find(CellRef ref) {
    const std::uint32_t* at = index_.find(ref);
    return at == nullptr || live_[*at] == 0 ? nullptr : &entries_[*at].second;
}

Cell& CellStore::at(CellRef ref) {
    bool added = false;
    std::uint32_t& position = index_.get(ref, added);
    if (added) {
        position = static_cast<std::uint32_t>(entries_.size());
        entries_.emplace_back(ref, Cell());
        live_.push_back(1);
    } else if (live_[position] != 0) {
        return entries_[position].second;
    } else {
        live_[position] = 1;
    }
    ++size_;
    widen(ref);
    ++generation_;
    return entries_[position].second;
}

void CellStore::erase(CellRef ref) {
    const std::uint32_t* found = index_.find(ref);
    if (found == nullptr || live_[*found] == 0)
        return;
    // The place stays, empty, for the cell to come back to.
    entries_[*found].second = Cell();
    live_[*found] = 0;
    --size_;
    ++generation_;
    if (size_ == 0) {
        clear();
        return;
    }
    const std::size_t erased = entries_.size() - size_;
    if (erased >= kMinErasedToCompact && erased > size_)
        compact();
}

void CellStore::eraseIfBlank(CellRef ref) {
    const Cell* cell = find(ref);
    if (cell != nullptr && cell->isBlank())
        erase(ref);
}

void CellStore::clear() {
    entries_.clear();
    live_.clear();
    index_.clear();
    size_ = 0;
    extent_ = {};
    ++generation_;
}

void CellStore::compact() {
    std::size_t kept = 0;
    for (std::size_t i = 0; i < entries_.size(); ++i) {
        if (live_[i] == 0) {
            index_.erase(entries_[i].first);
            continue;
        }
        if (kept != i) {
            entries_[kept] = std::move(entries_[i]);
            *index_.find(entries_[kept].first) = static_cast<std::uint32_t>(kept);
        }
        ++kept;
    }
    entries_.resize(kept);
    live_.assign(kept, 1);
}

void CellStore::widen(CellRef ref) {
    extent_.col = std::max(extent_.col, ref.col);
    extent_.row = std::max(extent_.row, ref.row);
}

void CellStore::replace(std::unordered_map<CellRef, Cell> cells) {
    clear();
    entries_.reserve(cells.size());
    live_.reserve(cells.size());
    for (auto& [ref, cell] : cells)
        at(ref) = std::move(cell);
}

void CellStore::forEachInRange(const CellRange& range,
                               const std::function<bool(CellRef, const Cell&)>& visit) const {
    const CellRange clipped{
        range.first,
        {std::min(range.last.col, extent_.col), std::min(range.last.row, extent_.row)}};
    if (clipped.last.col < clipped.first.col || clipped.last.row < clipped.first.row || size_ == 0)
        return;
    if (clipped.area() <= static_cast<long long>(size_) * 2) {
        for (int row = clipped.first.row; row <= clipped.last.row; ++row) {
            for (int col = clipped.first.col; col <= clipped.last.col; ++col) {
                const CellRef ref{col, row};
                const Cell* cell = find(ref);
                if (cell != nullptr && !visit(ref, *cell))
                    return;
            }
        }
        return;
    }
    std::vector<const Entry*> inside;
    for (const Entry& entry : all()) {
        if (clipped.contains(entry.first))
            inside.push_back(&entry);
    }
    std::sort(inside.begin(), inside.end(),
              [](const Entry* a, const Entry* b) { return readingOrderLess(a->first, b->first); });
    for (const Entry* entry : inside) {
        if (!visit(entry->first, entry->second))
            return;
    }
}

} // namespace grid
