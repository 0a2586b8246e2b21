#pragma once

#include "platform/core/text/Vdn_String.h"
#include "platform/grid/formula/Formula.h"
#include "platform/grid/formula/ReferenceStyle.h"
#include "platform/grid/sheet/CellRef.h"
#include "platform/grid/sheet/Result.h"
#include "platform/grid/values/ErrorCode.h"

#include <cstddef>
#include <string_view>

namespace grid {
class Sheet;
}

// Why an equation of a standards sheet failed, in plain words and in the names its author
// wrote. An equation's expression is rewritten (variable names become cell references) before
// the grid parses and computes it; what the grid says about the rewritten formula is told here
// about the expression as written.
namespace ss {

// Why the rewritten formula of expression does not parse: "the formula "<expression>" does not
// parse at character N: <the parser's reason>". The position and any token the reason quotes
// are those of the expression; where the expression and the formula do not line up token by
// token (a variable name that is no single word of the formula language), the position is left
// out rather than given wrongly.
Vdn_String parseFailure(const Vdn_String& expression, std::wstring_view formula, grid::CellRef host,
                        grid::ReferenceStyle style, const grid::Result& parsed);

// Why the formula of cell gives error: traced through the formula to the operation it came
// from (an overflow, a result that is no number, a division by zero, a text over the cap),
// or, for a call of a standards function, functionProblem (FunctionProblem.h) when one was
// noted. Empty for #NAME?: the formula names something the sheet does not declare, which the
// equation message says in its own words. formula may be null (then only the error counts).
Vdn_String errorReason(const grid::Sheet& sheet, grid::CellRef cell, const grid::Formula* formula,
                       grid::ErrorCode error, const Vdn_String& functionProblem);

// "the text is longer than the <limit> characters a text may hold".
Vdn_String textTooLong(std::size_t limit);

// A value as a message quotes it: between double quotes, a long one cut with its length told.
Vdn_String quotedValue(const Vdn_String& value);

} // namespace ss
