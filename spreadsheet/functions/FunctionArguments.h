#pragma once

#include "platform/core/text/Vdn_String.h"
#include "platform/grid/functions/FunctionValue.h"

#include <optional>

// The reading rules that every custom spreadsheet function applies to the control's value
// records, and the two kinds of result it gives.
namespace ss {

// A number: status OK and kind integer or real.
std::optional<double> numberArgument(const grid::FunctionValue& arg);
// A text: status OK and kind text, without one leading and one trailing double quote.
std::optional<Vdn_String> textArgument(const grid::FunctionValue& arg);
// An empty argument: status empty.
bool isEmptyArgument(const grid::FunctionValue& arg);

// A number result: a real with status OK.
void setNumberResult(grid::FunctionValue& result, double value);
// A text result: text with status OK, or empty for the empty text.
void setTextResult(grid::FunctionValue& result, const Vdn_String& text);

// The index that a position argument counted from 1 names: the position truncated toward
// zero, minus 1. Positions too large for an index give nullopt.
std::optional<int> positionIndex(double position);

} // namespace ss
