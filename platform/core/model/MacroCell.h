#pragma once

#include "platform/core/text/Vdn_StringArray.h"

// One value of a macro tab as the macro dialog shows it: a constraint variable, merged over
// the tab's modules (a variable of the same name in several modules of one tab is one cell;
// a value that differs between them is empty, undetermined). The control id is the dialog's:
// a positive id is a control of the design, -r is row r of the grid, below 1 not shown yet.
struct MacroCell {
    static constexpr int kNumber = 1;
    static constexpr int kText = 2;
    static constexpr int kPickList = 3;
    static constexpr int kEditableList = 4;
    static constexpr int kCheckBox = 5;

    Vdn_String name;
    Vdn_String displayName;
    int kind = kNumber;
    Vdn_StringArray items;
    // The range the clash check holds a number to, the tightest of the tab's modules (see
    // cellValueProblem); empty for no bound.
    Vdn_String minimum;
    Vdn_String maximum;
    Vdn_String value;
    // Not settable, or derived by an equation of the macro.
    bool readOnly = false;
    int controlId = 0;

    friend bool operator==(const MacroCell&, const MacroCell&) = default;
};
