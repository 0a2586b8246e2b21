#include "library/csp/BarPacker.h"

#include <algorithm>
#include <cassert>
#include <limits>
#include <numeric>
#include <set>
#include <utility>

namespace csp {

namespace {

// Steps of work (bars and pieces looked at) the improvement may take in all; enough for tens
// of thousands of pieces to reach or nearly reach the bound, and a ceiling on the time of huge
// inputs.
constexpr std::int64_t kWorkLimit = 200'000'000;
// Moves one emptying may make before it is given up.
constexpr int kMaxSettleSteps = 1000;
// How many of the least filled bars are tried, in one round, for emptying.
constexpr std::size_t kCandidatesPerRound = 64;
// How many of the roomiest bars are tried for making room by an exchange with another bar.
constexpr std::size_t kRoomiestBars = 16;

} // namespace

BarPacker::BarPacker(std::vector<std::int64_t> sizes, std::vector<std::int64_t> capacities,
                     std::vector<std::int64_t> available)
    : sizes_(std::move(sizes)), capacities_(std::move(capacities)),
      available_(std::move(available)) {
    assert(capacities_.size() == available_.size() && "one count per stock kind");
}

std::int64_t BarPacker::lowerBound() const {
    const std::int64_t total = std::accumulate(sizes_.begin(), sizes_.end(), std::int64_t{0});
    const std::int64_t largest =
        capacities_.empty() ? 0 : *std::max_element(capacities_.begin(), capacities_.end());
    if (total == 0 || largest <= 0)
        return 0;
    return (total + largest - 1) / largest;
}

bool BarPacker::pack() {
    const std::vector<std::int64_t> stockCounts = available_;
    bestFitDecreasing();
    if (!unplaced_.empty()) {
        // Greedy opening used up the stock; shifting pieces between bars may still make room.
        std::vector<int> pool;
        pool.swap(unplaced_);
        if (!settle(pool, -1, true)) {
            unplaced_ = std::move(pool);
            std::sort(unplaced_.begin(), unplaced_.end());
            return false;
        }
    }
    improve();
    available_ = stockCounts;
    assignShortestStock();
    return true;
}

int BarPacker::stockFor(std::int64_t size) const {
    int best = -1;
    for (std::size_t kind = 0; kind < capacities_.size(); ++kind) {
        if (available_[kind] == 0 || capacities_[kind] < size)
            continue;
        if (best < 0 || capacities_[kind] > capacities_[static_cast<std::size_t>(best)])
            best = static_cast<int>(kind);
    }
    return best;
}

int BarPacker::openBar(int stock) {
    std::int64_t& left = available_[static_cast<std::size_t>(stock)];
    if (left != kUnlimited)
        --left;
    bars_.push_back(PackedBar{stock, {}, 0});
    return static_cast<int>(bars_.size()) - 1;
}

void BarPacker::place(int bar, int piece) {
    touch(bar);
    PackedBar& target = bars_[static_cast<std::size_t>(bar)];
    target.pieces.push_back(piece);
    target.used += sizes_[static_cast<std::size_t>(piece)];
}

void BarPacker::touch(int bar) {
    const auto index = static_cast<std::size_t>(bar);
    if (index < touched_.size() && !touched_[index]) {
        touched_[index] = 1;
        saved_.emplace_back(bar, bars_[index]);
    }
}

void BarPacker::bestFitDecreasing() {
    std::vector<int> order(sizes_.size());
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(), [this](int a, int b) {
        return sizes_[static_cast<std::size_t>(a)] > sizes_[static_cast<std::size_t>(b)];
    });
    // Open bars by free room, then by index: the first one with room enough fits best.
    std::set<std::pair<std::int64_t, int>> open;
    for (const int piece : order) {
        const std::int64_t size = sizes_[static_cast<std::size_t>(piece)];
        int bar = -1;
        if (const auto fit = open.lower_bound({size, -1}); fit != open.end()) {
            bar = fit->second;
            open.erase(fit);
        } else if (const int stock = stockFor(size); stock >= 0) {
            bar = openBar(stock);
        } else {
            unplaced_.push_back(piece);
            continue;
        }
        place(bar, piece);
        open.emplace(freeOf(bars_[static_cast<std::size_t>(bar)]), bar);
    }
}

bool BarPacker::settle(std::vector<int> pool, int skipBar, bool mayOpen) {
    const std::size_t barsBefore = bars_.size();
    saved_.clear();
    touched_.assign(barsBefore, 0);
    const auto undo = [&] {
        for (auto saved = saved_.rbegin(); saved != saved_.rend(); ++saved)
            bars_[static_cast<std::size_t>(saved->first)] = std::move(saved->second);
        for (std::size_t bar = barsBefore; bar < bars_.size(); ++bar) {
            std::int64_t& left = available_[static_cast<std::size_t>(bars_[bar].stock)];
            if (left != kUnlimited)
                ++left;
        }
        bars_.resize(barsBefore);
        saved_.clear();
        touched_.clear();
        return false;
    };

    for (int step = 0; !pool.empty(); ++step) {
        if (step >= kMaxSettleSteps)
            return undo();
        // The largest piece first (the lowest index among equals): it is the hardest to place.
        const auto largest = std::min_element(pool.begin(), pool.end(), [this](int a, int b) {
            const std::int64_t sa = sizes_[static_cast<std::size_t>(a)];
            const std::int64_t sb = sizes_[static_cast<std::size_t>(b)];
            return sa != sb ? sa > sb : a < b;
        });
        const int piece = *largest;
        pool.erase(largest);
        const std::int64_t size = sizes_[static_cast<std::size_t>(piece)];

        // Where it fits as it is: the bar it fills best.
        int best = -1;
        std::int64_t bestFree = std::numeric_limits<std::int64_t>::max();
        for (std::size_t bar = 0; bar < bars_.size(); ++bar) {
            const std::int64_t room = freeOf(bars_[bar]);
            if (static_cast<int>(bar) != skipBar && room >= size && room < bestFree) {
                best = static_cast<int>(bar);
                bestFree = room;
            }
        }
        work_ += static_cast<std::int64_t>(bars_.size());
        if (best >= 0) {
            place(best, piece);
            continue;
        }
        if (mayOpen) {
            if (const int stock = stockFor(size); stock >= 0) {
                place(openBar(stock), piece);
                continue;
            }
        }

        // Otherwise in the place of one or two smaller pieces of a bar, the bar left fullest.
        int moveBar = -1;
        int first = -1;
        int second = -1;
        std::int64_t moveFree = std::numeric_limits<std::int64_t>::max();
        for (std::size_t bar = 0; bar < bars_.size(); ++bar) {
            if (static_cast<int>(bar) == skipBar)
                continue;
            const PackedBar& candidate = bars_[bar];
            const std::int64_t room = freeOf(candidate);
            const auto count = static_cast<int>(candidate.pieces.size());
            work_ += 1 + static_cast<std::int64_t>(count) * count;
            for (int i = 0; i < count; ++i) {
                const std::int64_t out =
                    sizes_[static_cast<std::size_t>(candidate.pieces[static_cast<std::size_t>(i)])];
                if (out < size && room + out >= size && room + out - size < moveFree) {
                    moveBar = static_cast<int>(bar);
                    first = i;
                    second = -1;
                    moveFree = room + out - size;
                }
                for (int j = i + 1; j < count; ++j) {
                    const std::int64_t both =
                        out + sizes_[static_cast<std::size_t>(
                                  candidate.pieces[static_cast<std::size_t>(j)])];
                    if (both < size && room + both >= size && room + both - size < moveFree) {
                        moveBar = static_cast<int>(bar);
                        first = i;
                        second = j;
                        moveFree = room + both - size;
                    }
                }
            }
        }
        if (moveBar < 0) {
            if (!makeRoom(piece, skipBar))
                return undo();
            continue;
        }
        touch(moveBar);
        PackedBar& target = bars_[static_cast<std::size_t>(moveBar)];
        for (const int at : {second, first}) { // the later one first keeps the earlier in place
            if (at < 0)
                continue;
            const int out = target.pieces[static_cast<std::size_t>(at)];
            target.pieces.erase(target.pieces.begin() + at);
            target.used -= sizes_[static_cast<std::size_t>(out)];
            pool.push_back(out);
        }
        place(moveBar, piece);
    }
    saved_.clear();
    touched_.clear();
    return true;
}

bool BarPacker::makeRoom(int piece, int skipBar) {
    const std::int64_t size = sizes_[static_cast<std::size_t>(piece)];
    // The bars with the most room are the ones that can be opened up the cheapest.
    std::vector<int> roomiest;
    for (std::size_t bar = 0; bar < bars_.size(); ++bar)
        if (static_cast<int>(bar) != skipBar)
            roomiest.push_back(static_cast<int>(bar));
    const auto more = [this](int a, int b) {
        return freeOf(bars_[static_cast<std::size_t>(a)]) >
               freeOf(bars_[static_cast<std::size_t>(b)]);
    };
    if (roomiest.size() > kRoomiestBars) {
        std::partial_sort(roomiest.begin(), roomiest.begin() + kRoomiestBars, roomiest.end(), more);
        roomiest.resize(kRoomiestBars);
    } else {
        std::stable_sort(roomiest.begin(), roomiest.end(), more);
    }

    // A piece x of bar a goes to bar b, in exchange for a shorter piece y of b or for none, so
    // that a then takes the piece; a is left as full as can be.
    int bestA = -1, bestX = -1, bestB = -1, bestY = -1;
    std::int64_t bestFree = std::numeric_limits<std::int64_t>::max();
    for (const int a : roomiest) {
        const PackedBar& from = bars_[static_cast<std::size_t>(a)];
        const std::int64_t roomA = freeOf(from);
        for (std::size_t x = 0; x < from.pieces.size(); ++x) {
            const std::int64_t sizeX = sizes_[static_cast<std::size_t>(from.pieces[x])];
            if (roomA + sizeX < size)
                continue;
            for (std::size_t b = 0; b < bars_.size(); ++b) {
                if (static_cast<int>(b) == a || static_cast<int>(b) == skipBar)
                    continue;
                const PackedBar& to = bars_[b];
                const std::int64_t roomB = freeOf(to);
                work_ += 1 + static_cast<std::int64_t>(to.pieces.size());
                for (int y = -1; y < static_cast<int>(to.pieces.size()); ++y) {
                    const std::int64_t sizeY = y < 0 ? 0
                                                     : sizes_[static_cast<std::size_t>(
                                                           to.pieces[static_cast<std::size_t>(y)])];
                    const std::int64_t left = roomA + sizeX - sizeY - size;
                    if (sizeY < sizeX && left >= 0 && roomB + sizeY >= sizeX && left < bestFree) {
                        bestA = a;
                        bestX = static_cast<int>(x);
                        bestB = static_cast<int>(b);
                        bestY = y;
                        bestFree = left;
                    }
                }
            }
        }
    }
    if (bestA < 0)
        return false;
    touch(bestA);
    touch(bestB);
    PackedBar& from = bars_[static_cast<std::size_t>(bestA)];
    PackedBar& to = bars_[static_cast<std::size_t>(bestB)];
    const int x = from.pieces[static_cast<std::size_t>(bestX)];
    from.pieces.erase(from.pieces.begin() + bestX);
    from.used -= sizes_[static_cast<std::size_t>(x)];
    if (bestY >= 0) {
        const int y = to.pieces[static_cast<std::size_t>(bestY)];
        to.pieces.erase(to.pieces.begin() + bestY);
        to.used -= sizes_[static_cast<std::size_t>(y)];
        place(bestA, y);
    }
    place(bestB, x);
    place(bestA, piece);
    return true;
}

void BarPacker::improve() {
    const std::int64_t bound = lowerBound();
    while (static_cast<std::int64_t>(bars_.size()) > bound && work_ < kWorkLimit) {
        std::vector<int> order(bars_.size());
        std::iota(order.begin(), order.end(), 0);
        std::stable_sort(order.begin(), order.end(), [this](int a, int b) {
            return bars_[static_cast<std::size_t>(a)].used <
                   bars_[static_cast<std::size_t>(b)].used;
        });
        if (order.size() > kCandidatesPerRound)
            order.resize(kCandidatesPerRound);
        bool emptied = false;
        for (const int candidate : order) {
            if (work_ >= kWorkLimit)
                break;
            PackedBar& bar = bars_[static_cast<std::size_t>(candidate)];
            const PackedBar before = bar;
            bar.pieces.clear();
            bar.used = 0;
            if (settle(before.pieces, candidate, false)) {
                bars_.erase(bars_.begin() + candidate);
                emptied = true;
                break;
            }
            bars_[static_cast<std::size_t>(candidate)] = before;
        }
        if (!emptied)
            break;
    }
}

void BarPacker::assignShortestStock() {
    std::vector<int> order(bars_.size());
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(), [this](int a, int b) {
        return bars_[static_cast<std::size_t>(a)].used > bars_[static_cast<std::size_t>(b)].used;
    });
    // The fullest bar has the fewest kinds to choose from; giving each the shortest it fits
    // leaves the longer kinds for the bars after it, so a feasible assignment is always found.
    for (const int index : order) {
        PackedBar& bar = bars_[static_cast<std::size_t>(index)];
        int best = -1;
        for (std::size_t kind = 0; kind < capacities_.size(); ++kind) {
            if (available_[kind] == 0 || capacities_[kind] < bar.used)
                continue;
            if (best < 0 || capacities_[kind] < capacities_[static_cast<std::size_t>(best)])
                best = static_cast<int>(kind);
        }
        assert(best >= 0 && "the packing's own kinds are a feasible assignment");
        if (best < 0)
            continue;
        bar.stock = best;
        if (available_[static_cast<std::size_t>(best)] != kUnlimited)
            --available_[static_cast<std::size_t>(best)];
    }
}

} // namespace csp
