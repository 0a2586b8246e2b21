#include "library/csp/CuttingOptimizer.h"

#include "library/csp/BarPacker.h"
#include "library/csp/LengthText.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <numeric>
#include <string>
#include <utility>
#include <vector>

namespace csp {

namespace {

// Lengths are counted in thousandths of a millimetre: whole numbers, so a bar filled to the
// last micrometre is exactly full.
using Units = std::int64_t;
constexpr double kUnitsPerMm = 1000.0;

Units toUnits(double mm) {
    return std::llround(mm * kUnitsPerMm);
}
double toMm(Units units) {
    return static_cast<double>(units) / kUnitsPerMm;
}

std::string mmText(double mm) {
    return lengthText(mm) + " mm";
}

std::string quoted(const std::string& mark) {
    return "\"" + mark + "\"";
}

// Why a length cannot be used; empty when it can.
std::string lengthProblem(double mm, bool zeroAllowed) {
    if (!std::isfinite(mm))
        return "is not a number";
    if (mm > CuttingOptimizer::kMaxLength)
        return "is " + mmText(mm) + ", more than the " + mmText(CuttingOptimizer::kMaxLength) +
               " allowed";
    if (zeroAllowed && toUnits(mm) < 0)
        return "must be 0 mm or more, not " + mmText(mm);
    if (!zeroAllowed && toUnits(mm) <= 0)
        return "must be more than 0 mm, not " + mmText(mm);
    return {};
}

std::string checkProblem(const CuttingProblem& problem) {
    if (std::string why = lengthProblem(problem.kerf, true); !why.empty())
        return "the kerf " + why;
    if (std::string why = lengthProblem(problem.trim, true); !why.empty())
        return "the trim " + why;
    std::int64_t pieces = 0;
    for (const CutPart& part : problem.parts) {
        if (std::string why = lengthProblem(part.length, false); !why.empty())
            return "part " + quoted(part.mark) + ": the length " + why;
        if (part.quantity <= 0)
            return "part " + quoted(part.mark) + ": the quantity must be at least 1, not " +
                   std::to_string(part.quantity);
        if (part.quantity > CuttingOptimizer::kMaxPieces - pieces)
            return "the parts come to more than " + std::to_string(CuttingOptimizer::kMaxPieces) +
                   " pieces, more than one plan cuts";
        pieces += part.quantity;
    }
    for (std::size_t row = 0; row < problem.stock.size(); ++row) {
        const StockLength& stock = problem.stock[row];
        const std::string name = "stock row " + std::to_string(row + 1);
        if (std::string why = lengthProblem(stock.length, false); !why.empty())
            return name + ": the length " + why;
        if (stock.quantity && *stock.quantity <= 0)
            return name + " (" + mmText(stock.length) +
                   "): the quantity must be at least 1 (or left empty for as many as needed), "
                   "not " +
                   std::to_string(*stock.quantity);
    }
    if (problem.stock.empty() && pieces > 0)
        return "there is no stock length to cut from";
    return {};
}

// The stock lengths, each once, longest first; quantities of equal lengths add up.
struct StockKinds {
    std::vector<Units> lengths;
    std::vector<std::int64_t> available;
};

StockKinds stockKinds(const std::vector<StockLength>& stock) {
    std::map<Units, std::int64_t, std::greater<>> counts;
    for (const StockLength& row : stock) {
        std::int64_t& count = counts.try_emplace(toUnits(row.length), 0).first->second;
        if (!row.quantity || count == BarPacker::kUnlimited)
            count = BarPacker::kUnlimited;
        else
            count = std::min(count + std::min(*row.quantity, CuttingOptimizer::kMaxPieces),
                             CuttingOptimizer::kMaxPieces); // more bars than pieces go unused
    }
    StockKinds kinds;
    for (const auto& [length, count] : counts) {
        kinds.lengths.push_back(length);
        kinds.available.push_back(count);
    }
    return kinds;
}

std::string stockText(const StockKinds& kinds) {
    std::string text;
    for (std::size_t kind = 0; kind < kinds.lengths.size(); ++kind) {
        if (!text.empty())
            text += ", ";
        const std::int64_t count = kinds.available[kind];
        text +=
            (count == BarPacker::kUnlimited ? std::string("any number") : std::to_string(count)) +
            " × " + mmText(toMm(kinds.lengths[kind]));
    }
    return text;
}

// One piece to cut: its part and its length.
struct Piece {
    std::size_t part = 0;
    Units length = 0;
};

std::string unplacedText(const std::vector<int>& unplaced, const std::vector<Piece>& pieces,
                         const CuttingProblem& problem) {
    std::map<std::size_t, std::int64_t> perPart;
    for (const int piece : unplaced)
        ++perPart[pieces[static_cast<std::size_t>(piece)].part];
    constexpr std::size_t kNamed = 5;
    std::string text;
    std::size_t named = 0;
    for (const auto& [part, count] : perPart) {
        if (named++ == kNamed) {
            text += ", ...";
            break;
        }
        if (!text.empty())
            text += ", ";
        text += std::to_string(count) + " × " + quoted(problem.parts[part].mark) + " " +
                mmText(problem.parts[part].length);
    }
    return text;
}

} // namespace

CuttingResult CuttingOptimizer::solve(const CuttingProblem& problem) const {
    if (std::string why = checkProblem(problem); !why.empty())
        return CuttingResult::failure(why);

    const Units kerf = toUnits(problem.kerf);
    const Units trim = toUnits(problem.trim);
    const StockKinds kinds = stockKinds(problem.stock);
    const Units longest = kinds.lengths.empty() ? 0 : kinds.lengths.front();

    // A bar of length L takes cuts c1..cn when trim + sum(ci) + (n-1) kerf <= L, that is when
    // sum(ci + kerf) <= L - trim + kerf: each piece brings one kerf and the bar holds one more.
    std::vector<std::size_t> tooLong;
    for (std::size_t part = 0; part < problem.parts.size(); ++part)
        if (toUnits(problem.parts[part].length) + trim > longest)
            tooLong.push_back(part);
    if (!tooLong.empty()) {
        const CutPart& part = problem.parts[tooLong.front()];
        std::string reason = "part " + quoted(part.mark) + " is " + mmText(part.length) +
                             " long, longer than every stock length: the longest is " +
                             mmText(toMm(longest));
        if (trim > 0)
            reason += ", which holds at most " + mmText(toMm(std::max<Units>(longest - trim, 0))) +
                      " after the trim of " + mmText(problem.trim);
        if (tooLong.size() > 1)
            reason += " (" + std::to_string(tooLong.size() - 1) + " more part" +
                      (tooLong.size() > 2 ? "s are" : " is") + " too long)";
        return CuttingResult::failure(reason);
    }

    // Longest pieces first, parts in their given order among equal lengths.
    std::vector<std::size_t> partOrder(problem.parts.size());
    std::iota(partOrder.begin(), partOrder.end(), std::size_t{0});
    std::stable_sort(partOrder.begin(), partOrder.end(), [&](std::size_t a, std::size_t b) {
        return toUnits(problem.parts[a].length) > toUnits(problem.parts[b].length);
    });
    std::vector<Piece> pieces;
    std::vector<std::int64_t> sizes;
    Units needed = 0;
    for (const std::size_t part : partOrder) {
        const Units length = toUnits(problem.parts[part].length);
        for (std::int64_t n = 0; n < problem.parts[part].quantity; ++n) {
            pieces.push_back({part, length});
            sizes.push_back(length + kerf);
            needed += length;
        }
    }
    std::vector<std::int64_t> capacities;
    for (const Units length : kinds.lengths)
        capacities.push_back(length - trim + kerf);

    BarPacker packer(std::move(sizes), std::move(capacities), kinds.available);
    if (!packer.pack())
        return CuttingResult::failure("the stock runs out: no bar is left for " +
                                      unplacedText(packer.unplaced(), pieces, problem) +
                                      "; the stock holds " + stockText(kinds));

    // Bars longest stock first; among equal stock the longest cuts first, so equal bars lie
    // together.
    struct Bar {
        Units stock = 0;
        std::vector<int> pieces;
    };
    std::vector<Bar> bars;
    std::map<Units, std::int64_t, std::greater<>> buy;
    Units bought = 0;
    for (const PackedBar& packed : packer.bars()) {
        Bar bar{kinds.lengths[static_cast<std::size_t>(packed.stock)], packed.pieces};
        std::sort(bar.pieces.begin(), bar.pieces.end()); // pieces are in decreasing length
        ++buy[bar.stock];
        bought += bar.stock;
        bars.push_back(std::move(bar));
    }
    const auto pieceKey = [&](int piece) {
        const Piece& p = pieces[static_cast<std::size_t>(piece)];
        return std::pair(-p.length, p.part);
    };
    std::stable_sort(bars.begin(), bars.end(), [&](const Bar& a, const Bar& b) {
        if (a.stock != b.stock)
            return a.stock > b.stock;
        return std::lexicographical_compare(
            a.pieces.begin(), a.pieces.end(), b.pieces.begin(), b.pieces.end(),
            [&](int x, int y) { return pieceKey(x) < pieceKey(y); });
    });

    CuttingPlan plan;
    for (const Bar& bar : bars) {
        PlannedBar planned;
        planned.stock = toMm(bar.stock);
        Units cut = 0;
        for (const int piece : bar.pieces) {
            const Piece& p = pieces[static_cast<std::size_t>(piece)];
            planned.cuts.push_back({problem.parts[p.part].mark, toMm(p.length)});
            cut += p.length;
        }
        planned.waste = toMm(bar.stock - cut);
        planned.offcut =
            toMm(bar.stock - trim - cut - kerf * static_cast<Units>(bar.pieces.size() - 1));
        plan.bars.push_back(std::move(planned));
    }
    for (const auto& [length, count] : buy)
        plan.buy.push_back({toMm(length), count});
    plan.waste = toMm(bought - needed);
    plan.lowerBound = packer.lowerBound();
    return CuttingResult::success(std::move(plan));
}

} // namespace csp
