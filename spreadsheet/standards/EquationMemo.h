#pragma once

#include "platform/core/text/Vdn_String.h"
#include "platform/grid/formula/Formula.h"
#include "platform/grid/formula/ReferenceStyle.h"
#include "platform/grid/sheet/CellRef.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace ss {

// The equations of one sheet as they were taken apart and rewritten: an equation cell holding
// the same text under the same variable table and reference style comes out the same every
// time, so a sheet evaluated again neither splits, looks up, rewrites nor parses its equations
// again. Equations come in the same order in every evaluation; a cursor kept by the caller
// makes each lookup a step to the next one.
class EquationMemo {
public:
    struct Equation {
        grid::CellRef cell;
        std::wstring text;
        // The parts of "name = expression", or the whole text as expression.
        Vdn_String name;
        Vdn_String expression;
        // The assigned variable, or -1 when the equation assigns none.
        int variable = -1;
        // The native function the expression calls, or empty.
        Vdn_String native;
        // For an assignment: the expression with cell references, and its parsed formula (null
        // when it does not parse or empties the cell).
        std::wstring formula;
        grid::ReferenceStyle style = grid::ReferenceStyle::Default;
        grid::FormulaPtr parsed;
        // Why the formula does not parse, in the parser's words; empty when it parses.
        Vdn_String parseProblem;
    };

    // Past this many equations the memo starts afresh.
    static constexpr std::size_t kCapacity = 100000;

    // The equation remembered for the cell with this text under the table with this id and
    // this style, or null. cursor is where the caller's previous lookup ended.
    const Equation* find(grid::CellRef cell, std::wstring_view text, std::uint64_t table,
                         grid::ReferenceStyle style, std::size_t& cursor) const;
    // Remembers an equation taken apart under the table with this id; equations of other
    // tables are forgotten first.
    void remember(Equation equation, std::uint64_t table);

    std::size_t size() const { return equations_.size(); }

private:
    struct CellHash {
        std::size_t operator()(grid::CellRef cell) const {
            return static_cast<std::size_t>(cell.col) * 1000003u +
                   static_cast<std::size_t>(cell.row);
        }
    };

    std::uint64_t table_ = 0;
    std::vector<Equation> equations_;
    std::unordered_map<grid::CellRef, std::size_t, CellHash> byCell_;
};

} // namespace ss
