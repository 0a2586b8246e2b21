#pragma once

#include "platform/grid/formula/Expr.h"
#include "platform/grid/formula/ReferenceStyle.h"
#include "platform/grid/sheet/CellRef.h"
#include "platform/grid/sheet/Result.h"

#include <string_view>

namespace grid {

// Reads formula text into a tree. A leading '=' is optional. A formula that does not parse is
// rejected with the character offset (in text) and the reason; nesting deeper than kMaxNesting
// is rejected, so no input can drive the parser's recursion, or any later pass over the tree,
// without bound.
class FormulaParser {
public:
    // host resolves relative R1C1 references; style decides a word that reads both as an A1
    // and as an R1C1 reference.
    static Result parse(std::wstring_view text, CellRef host, ReferenceStyle style, ExprPtr& root);
};

} // namespace grid
