#pragma once

#include "platform/core/model/BoltDetails.h"
#include "platform/core/text/Vdn_String.h"

// The bolt data of a macro tab: merged over the tab's bolt modules, a text that differs
// between them is empty (undetermined); details written back go to every bolt module of the
// tab.
struct MacroBoltData {
    Vdn_String assembly;
    Vdn_String diameter;
    Vdn_String holeOffset;
    // The advanced settings: those of the tab's first bolt module.
    BoltDetails details;

    friend bool operator==(const MacroBoltData&, const MacroBoltData&) = default;
};
