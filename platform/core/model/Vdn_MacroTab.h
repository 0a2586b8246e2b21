#pragma once

#include "platform/core/text/JsonExtras.h"
#include "platform/core/text/Vdn_String.h"

// What a macro keeps about one of its tabs beyond the modules on it: the page kind the macro
// dialog shows (0 general, 1 bolts, 2 profiles, 3 general without picture), the user design
// drawn on the page, the block reference the tab swaps and its view direction.
struct Vdn_MacroTab {
    Vdn_String name;
    int kind = -1; // -1: by the tab's first module
    Vdn_String design;
    bool blockReference = false;
    Vdn_String blockName;
    int view = 3;
    core::JsonExtras extras;

    friend bool operator==(const Vdn_MacroTab&, const Vdn_MacroTab&) = default;
};
