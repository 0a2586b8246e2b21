#pragma once

#include "platform/core/text/Vdn_String.h"

// One flex/fix button of a macro tab: the constraint variable it belongs to and whether that
// variable is fixed (its value holds) rather than flexible (the macro computes it).
struct MacroFlexFixEntry {
    Vdn_String name;
    bool fixed = true;

    friend bool operator==(const MacroFlexFixEntry&, const MacroFlexFixEntry&) = default;
};
