#pragma once

#include "platform/core/model/MacroCell.h"

#include <optional>

// What a macro cell takes as its value. The macro dialog's readers and `tessa macro set` ask
// the same question, so that they agree on what a valid value is. Each gives why text cannot be
// the cell's value, or nothing.

// The form of the value: a number cell takes a finite number (a text such as 1e999 reads as a
// number but stands for infinity), a pick list one of its items (any text when it has none), a
// check box 0 or 1; a text cell or an editable list takes any text. The dialog asks only this:
// a number outside its range goes to the model, whose clash check refuses the change with its
// reason, and the page shows the value again.
std::optional<Vdn_String> cellTextProblem(const MacroCell& cell, const Vdn_String& text);

// The form, and for a number cell the cell's minimum and maximum when it has them.
std::optional<Vdn_String> cellValueProblem(const MacroCell& cell, const Vdn_String& text);
