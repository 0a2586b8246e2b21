#pragma once

#include "platform/grid/sheet/Cell.h"
#include "platform/grid/sheet/CellIndex.h"
#include "platform/grid/sheet/CellRange.h"
#include "platform/grid/sheet/CellRef.h"

#include <cstddef>
#include <cstdint>
#include <functional>
#include <iterator>
#include <unordered_map>
#include <utility>
#include <vector>

namespace grid {

// The cells that hold something, by position. Empty positions cost nothing, so a sheet of
// 100,000 formulas or a block reference over a whole column stays cheap. The cells lie side by
// side in one array (in the order they were added, which for a sheet read from a file is
// reading order), found through a flat index: copying a store, as every load of a kept sheet
// does, copies two arrays rather than a node per cell. An erased cell keeps its place, empty,
// until its position is filled again (a value cleared and set anew stays where it was, among
// its neighbours) or until erased cells outnumber the others.
class CellStore {
public:
    using Entry = std::pair<CellRef, Cell>;

    // The stored cells of a store, skipping the places of erased ones.
    template <typename Stored> class Cells {
    public:
        class iterator {
        public:
            using value_type = Entry;
            using difference_type = std::ptrdiff_t;
            using reference = Stored&;

            iterator() = default;
            iterator(Stored* at, Stored* end, const std::uint8_t* live)
                : at_(at), end_(end), live_(live) {
                skip();
            }
            reference operator*() const { return *at_; }
            Stored* operator->() const { return at_; }
            iterator& operator++() {
                ++at_;
                ++live_;
                skip();
                return *this;
            }
            friend bool operator==(const iterator& a, const iterator& b) { return a.at_ == b.at_; }

        private:
            void skip() {
                while (at_ != end_ && *live_ == 0) {
                    ++at_;
                    ++live_;
                }
            }
            Stored* at_ = nullptr;
            Stored* end_ = nullptr;
            const std::uint8_t* live_ = nullptr;
        };

        Cells(Stored* first, std::size_t count, const std::uint8_t* live)
            : first_(first), count_(count), live_(live) {}
        iterator begin() const { return {first_, first_ + count_, live_}; }
        iterator end() const { return {first_ + count_, first_ + count_, live_ + count_}; }

    private:
        Stored* first_;
        std::size_t count_;
        const std::uint8_t* live_;
    };

    const Cell* find(CellRef ref) const;
    Cell* find(CellRef ref);
    // The cell, created blank when missing.
    Cell& at(CellRef ref);
    void erase(CellRef ref);
    // Erases the cell when it holds nothing any more.
    void eraseIfBlank(CellRef ref);
    void clear();

    std::size_t size() const { return size_; }
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
    // Every stored cell, in no particular order. The positions must not be changed through
    // it; cells may.
    Cells<Entry> all() { return {entries_.data(), entries_.size(), live_.data()}; }
    Cells<const Entry> all() const { return {entries_.data(), entries_.size(), live_.data()}; }
    // Takes all cells from the map (after a structural change built a new one).
    void replace(std::unordered_map<CellRef, Cell> cells);

private:
    void widen(CellRef ref);
    // Drops the places of erased cells.
    void compact();

    std::vector<Entry> entries_;
    // Whether the cell at the same position of entries_ is stored (1) or was erased (0).
    std::vector<std::uint8_t> live_;
    // Where each cell lies in entries_, erased ones included.
    CellIndex<std::uint32_t> index_;
    std::size_t size_ = 0;
    CellRef extent_;
    std::uint64_t generation_ = 0;
};

} // namespace grid
