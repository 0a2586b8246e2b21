#include "spreadsheet/standards/EquationMemo.h"

namespace ss {

const EquationMemo::Equation* EquationMemo::find(grid::CellRef cell, std::wstring_view text,
                                                 std::uint64_t table, grid::ReferenceStyle style,
                                                 std::size_t& cursor) const {
    if (table != table_ || equations_.empty())
        return nullptr;
    std::size_t at = cursor;
    if (at >= equations_.size() || !(equations_[at].cell == cell)) {
        const auto found = byCell_.find(cell);
        if (found == byCell_.end())
            return nullptr;
        at = found->second;
    }
    const Equation& equation = equations_[at];
    if (equation.text != text || equation.style != style)
        return nullptr;
    cursor = at + 1;
    return &equation;
}

void EquationMemo::remember(Equation equation, std::uint64_t table) {
    if (table != table_ || equations_.size() >= kCapacity) {
        equations_.clear();
        byCell_.clear();
        table_ = table;
    }
    const auto [found, added] = byCell_.try_emplace(equation.cell, equations_.size());
    if (added)
        equations_.push_back(std::move(equation));
    else
        equations_[found->second] = std::move(equation);
}

} // namespace ss
