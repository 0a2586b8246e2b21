#pragma once

#include "library/csp/PackedBar.h"

#include <cstdint>
#include <vector>

namespace csp {

// Packs pieces into as few bars as it can find, in whole units. A bar of a stock kind holds
// pieces whose sizes sum to at most the kind's capacity (the caller folds kerf and trim into
// sizes and capacities). Every piece must fit the largest capacity.
//
// Best-fit decreasing first: each piece, longest first, goes into the open bar it fills best,
// or opens a bar of the longest stock still available. Then the plan is improved: the least
// filled bars are emptied one at a time into the others, where a piece that fits nowhere may
// take the place of one or two smaller pieces, which then look for a place in turn, or a bar
// makes room for it by handing one of its pieces to another bar (for a shorter one or none).
// The pieces left over only ever get fewer or smaller, so this ends. An attempt that leaves a
// piece without a place is undone. Finally each bar gets the shortest stock its content fits,
// fullest bar first, so limited quantities go where they are needed.
//
// The work is bounded by a count of steps, not by time, so the same input always gives the
// same plan.
class BarPacker {
public:
    static constexpr std::int64_t kUnlimited = -1;

    // capacities: one per stock kind; available: how many bars of each kind (kUnlimited for
    // as many as needed).
    BarPacker(std::vector<std::int64_t> sizes, std::vector<std::int64_t> capacities,
              std::vector<std::int64_t> available);

    // Packs every piece; false when the stock runs out (then unplaced() names the pieces left).
    bool pack();

    const std::vector<PackedBar>& bars() const { return bars_; }
    const std::vector<int>& unplaced() const { return unplaced_; }
    // The fewest bars any packing can use: the total size over the largest capacity.
    std::int64_t lowerBound() const;

private:
    std::int64_t freeOf(const PackedBar& bar) const { return capacities_[bar.stock] - bar.used; }
    void bestFitDecreasing();
    // The longest stock kind still available whose capacity takes size; -1 when none.
    int stockFor(std::int64_t size) const;
    int openBar(int stock);
    void place(int bar, int piece);
    // Finds a place for every piece of pool, moving smaller pieces aside where needed; bars
    // may be opened when allowed. False (with every change undone) when a piece finds none.
    bool settle(std::vector<int> pool, int skipBar, bool mayOpen);
    // Moves a piece of one bar to another, in exchange for a shorter one or for none, so that
    // the first bar takes piece; false when no such exchange exists.
    bool makeRoom(int piece, int skipBar);
    void improve();
    void assignShortestStock();
    void touch(int bar);

    std::vector<std::int64_t> sizes_;
    std::vector<std::int64_t> capacities_;
    std::vector<std::int64_t> available_; // left to open; kUnlimited stays so
    std::vector<PackedBar> bars_;
    std::vector<int> unplaced_;
    std::int64_t work_ = 0;
    // Undo log of one settle: bars as they were before it changed them, and how many existed.
    std::vector<std::pair<int, PackedBar>> saved_;
    std::vector<char> touched_;
};

} // namespace csp
