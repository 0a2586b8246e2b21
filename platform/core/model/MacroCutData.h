#pragma once

#include "platform/core/text/Vdn_String.h"

// One cut of a macro tab as the macro dialog shows it: its state index (0 to 3, the states of
// the cut-state combo) and the dialog's control id (see MacroCell).
struct MacroCutData {
    Vdn_String moduleName;
    Vdn_String name;
    int type = 0; // the cut dialog's types are 1 to 6 (Vdn_ConstraintCutType)
    Vdn_String description;
    int state = 0;
    int controlId = 0;

    friend bool operator==(const MacroCutData&, const MacroCutData&) = default;
};
