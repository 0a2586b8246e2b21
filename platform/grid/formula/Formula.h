#pragma once

#include "platform/grid/formula/Expr.h"
#include "platform/grid/formula/ReferenceStyle.h"
#include "platform/grid/sheet/CellRange.h"
#include "platform/grid/sheet/CellRef.h"
#include "platform/grid/sheet/Result.h"

#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace grid {

// A parsed formula: its tree and what the tree reads. Immutable, so cells share it freely and
// an evaluation can hold it while a callback replaces the cell's formula.
class Formula {
public:
    explicit Formula(ExprPtr root);

    // Parses text (leading '=' optional) for the cell host; on failure the result holds the
    // character offset and reason, and out is left alone.
    static Result parse(std::wstring_view text, CellRef host, ReferenceStyle style,
                        std::shared_ptr<const Formula>& out);

    const Expr& root() const { return *root_; }
    // Every cell and block the formula references, each once.
    const std::vector<CellRange>& precedents() const { return precedents_; }
    // Upper-case names of the custom functions it calls.
    const std::vector<std::wstring>& customCalls() const { return customCalls_; }
    // Whether it must be computed after every change: it reads cells that only its evaluation
    // names (OFFSET, INDIRECT).
    bool isVolatile() const { return volatile_; }
    std::wstring text(CellRef host, ReferenceStyle style) const;

private:
    ExprPtr root_;
    std::vector<CellRange> precedents_;
    std::vector<std::wstring> customCalls_;
    bool volatile_ = false;
};

using FormulaPtr = std::shared_ptr<const Formula>;

} // namespace grid
