#pragma once

#include "platform/core/Vdn_String.h"

// The bolt data of a macro tab: merged over the tab's bolt modules, a text that differs
// between them is empty (undetermined).
struct MacroBoltData {
    Vdn_String assembly;
    Vdn_String diameter;
    Vdn_String holeOffset;

    friend bool operator==(const MacroBoltData&, const MacroBoltData&) = default;
};
