#pragma once

#include "platform/core/model/MacroFlexFixEntry.h"
#include "platform/core/text/Vdn_Array.h"

// The flex/fix buttons of one module in a macro tab; the group is named after the module.
struct MacroFlexFixGroup {
    Vdn_String name;
    Vdn_Array<MacroFlexFixEntry> entries;

    friend bool operator==(const MacroFlexFixGroup&, const MacroFlexFixGroup&) = default;
};
