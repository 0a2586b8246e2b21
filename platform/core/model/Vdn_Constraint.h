#pragma once

#include "platform/core/text/JsonExtras.h"
#include "platform/core/text/Vdn_Array.h"
#include "platform/core/text/Vdn_StringArray.h"

// A geometric or dimensional constraint of a module, as the macro editor lists it: the
// geometries it binds (by geometry id), and its value, variable, choice and two flags, of which
// the constraint's editor kinds say which apply.
struct Vdn_Constraint {
    int id = 0; // unique within the module
    int type = 0;
    Vdn_Array<int> geometries;
    Vdn_String value;
    Vdn_String variable; // the constraint variable that drives it; empty for none
    int choice = -1;
    bool firstFlag = false;
    bool secondFlag = false;
    Vdn_StringArray images; // bitmap paths with "%radioBreak%" group separators
    // Per image group (the pictures between two separators), the checked buttons as a bit
    // mask: bit i is the group's i-th button.
    Vdn_Array<int> imageSelections;
    bool cut = false; // the constraint has a cut the cut dialog edits
    // The module's cut that the constraint's cut dialog edits; empty when none is named.
    Vdn_String cutName;
    core::JsonExtras extras;

    friend bool operator==(const Vdn_Constraint&, const Vdn_Constraint&) = default;
};
