#pragma once

#include "platform/core/text/Vdn_String.h"

// Why a custom function call failed when the cause lies outside its arguments: a data table
// that cannot be found or read, a section that no section table holds. A failed call gives
// its cell no more than #VALUE!, so the function notes the cause here; the calculation of a
// standards sheet clears the note before it sets an equation's formula and reads it when the
// cell then holds #VALUE!. The last note counts: a call whose failure a formula caught (with
// IFERROR) is followed by the one that made the cell fail.
namespace ss {

void noteFunctionProblem(const Vdn_String& problem);
// The problem noted last since the last clear; empty when none was.
const Vdn_String& functionProblem();
void clearFunctionProblem();

} // namespace ss
