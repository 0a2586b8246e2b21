#include "spreadsheet/standards/EquationMemo.h"

namespace ss {

const EquationMemo::Equation* EquationMemo::find(grid::CellRef cell, std::wstring_view text,
                                                 std::uint64_t table, grid::ReferenceStyle style,
                                                 std::size_t& cursor) const {
    if (table != mTable || mEquations.empty())
        return nullptr;
    std::size_t at = cursor;
    if (at >= mEquations.size() || !(mEquations[at].cell == cell)) {
        const auto found = mByCell.find(cell);
        if (found == mByCell.end())
            return nullptr;
        at = found->second;
    }
    const Equation& equation = mEquations[at];
    if (equation.text != text || equation.style != style)
        return nullptr;
    cursor = at + 1;
    return &equation;
}

void EquationMemo::remember(Equation equation, std::uint64_t table) {
    if (table != mTable || mEquations.size() >= kCapacity) {
        mEquations.clear();
        mByCell.clear();
        mTable = table;
    }
    const auto [found, added] = mByCell.try_emplace(equation.cell, mEquations.size());
    if (added)
        mEquations.push_back(std::move(equation));
    else
        mEquations[found->second] = std::move(equation);
}

} // namespace ss
