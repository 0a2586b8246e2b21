#pragma once

#include "platform/core/text/Vdn_String.h"

// The record of one profile placement in a macro tab, or, as merged properties of a profile
// group, of all placements of the group (then moduleName and index are empty and -1 unless
// all placements share them, and a text that differs between them is empty).
struct MacroProfData {
    Vdn_String moduleName; // the module that places the profile
    int index = -1;        // the placement's position in that module
    Vdn_String name;       // the profile group
    Vdn_String section;
    Vdn_String material;
    Vdn_String memberName;
    // The placement's offset type and rotation (0, 90, 180 or 270 degrees); -1 in merged
    // properties whose placements differ.
    int offsetType = 0;
    int rotation = 0;

    friend bool operator==(const MacroProfData&, const MacroProfData&) = default;
};
