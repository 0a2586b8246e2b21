#pragma once

#include "platform/grid/sheet/CellRef.h"

#include <algorithm>
#include <bit>
#include <cstddef>
#include <cstdint>
#include <utility>
#include <vector>

namespace grid {

// A hash map from cells to small values, held in one flat table (open addressing with linear
// probing): copying it is one allocation, and a lookup touches one or two neighbouring slots
// instead of chasing a node. Cells are spread by Fibonacci hashing of column and row, which
// scatters neighbouring cells evenly: a column of consecutive rows forms no long runs of
// filled slots, so a cell that is not there is told after a step or two. Pointers into the
// table are invalidated by every insertion and erasure.
template <typename V> class CellIndex {
public:
    V* find(CellRef ref) { return const_cast<V*>(std::as_const(*this).find(ref)); }

    const V* find(CellRef ref) const {
        if (size_ == 0)
            return nullptr;
        for (std::size_t i = home(ref);; i = (i + 1) & mask_) {
            const Slot& slot = slots_[i];
            if (!slot.used)
                return nullptr;
            if (slot.ref == ref)
                return &slot.value;
        }
    }

    // The value of the cell, value-initialised and added when missing; added tells which.
    V& get(CellRef ref, bool& added) {
        if ((size_ + 1) * 2 > slots_.size())
            grow();
        std::size_t i = home(ref);
        for (; slots_[i].used; i = (i + 1) & mask_) {
            if (slots_[i].ref == ref) {
                added = false;
                return slots_[i].value;
            }
        }
        slots_[i] = Slot{ref, V{}, true};
        ++size_;
        added = true;
        return slots_[i].value;
    }

    // Whether the cell was there.
    bool erase(CellRef ref) {
        if (size_ == 0)
            return false;
        std::size_t hole = home(ref);
        for (;; hole = (hole + 1) & mask_) {
            if (!slots_[hole].used)
                return false;
            if (slots_[hole].ref == ref)
                break;
        }
        // Backward shift: later slots of the same probe run move into the hole, so lookups
        // never need markers of erased slots.
        for (std::size_t next = (hole + 1) & mask_; slots_[next].used; next = (next + 1) & mask_) {
            const std::size_t wanted = home(slots_[next].ref);
            // The entry may fill the hole when its home does not lie after the hole (cyclically)
            // up to its own slot.
            const bool homeInBetween = hole <= next ? (hole < wanted && wanted <= next)
                                                    : (hole < wanted || wanted <= next);
            if (!homeInBetween) {
                slots_[hole] = std::move(slots_[next]);
                hole = next;
            }
        }
        slots_[hole] = Slot{};
        --size_;
        return true;
    }

    // Keeps the table's size: an index cleared to be filled again (as a sheet's is on every
    // load) is not grown step by step anew.
    void clear() {
        if (size_ != 0)
            std::fill(slots_.begin(), slots_.end(), Slot{});
        size_ = 0;
    }

    std::size_t size() const { return size_; }

    // Visits every entry, in no particular order.
    template <typename Visit> void forEach(Visit&& visit) const {
        for (const Slot& slot : slots_) {
            if (slot.used)
                visit(slot.ref, slot.value);
        }
    }
    template <typename Visit> void forEach(Visit&& visit) {
        for (Slot& slot : slots_) {
            if (slot.used)
                visit(slot.ref, slot.value);
        }
    }

private:
    struct Slot {
        CellRef ref;
        V value{};
        bool used = false;
    };

    static constexpr unsigned kRunBits = 3;
    static constexpr std::uint32_t kRunRows = 1u << kRunBits;
    static constexpr std::size_t kMinSlots = 16;

    std::size_t home(CellRef ref) const {
        // Runs of kRunRows rows of one column take neighbouring slots; the runs are spread by
        // Fibonacci hashing of column and run.
        const std::uint32_t row = static_cast<std::uint32_t>(ref.row);
        const std::uint64_t key =
            (static_cast<std::uint64_t>(static_cast<std::uint32_t>(ref.col)) << 32) |
            (row >> kRunBits);
        const std::size_t run = static_cast<std::size_t>((key * 0x9E3779B97F4A7C15ull) >> shift_);
        return ((run << kRunBits) | (row & (kRunRows - 1))) & mask_;
    }

    void grow() {
        std::vector<Slot> old = std::move(slots_);
        const std::size_t count = std::max(kMinSlots, old.size() * 2);
        slots_.assign(count, Slot{});
        mask_ = count - 1;
        shift_ = 64 + kRunBits - static_cast<unsigned>(std::countr_zero(count));
        for (Slot& slot : old) {
            if (!slot.used)
                continue;
            std::size_t i = home(slot.ref);
            while (slots_[i].used)
                i = (i + 1) & mask_;
            slots_[i] = std::move(slot);
        }
    }

    std::vector<Slot> slots_;
    std::size_t mask_ = 0;
    // 64 less the number of bits of a slot number.
    unsigned shift_ = 63;
    std::size_t size_ = 0;
};

} // namespace grid
