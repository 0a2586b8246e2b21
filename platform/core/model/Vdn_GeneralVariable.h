#pragma once

#include "platform/core/text/JsonExtras.h"
#include "platform/core/text/Vdn_String.h"

// A general variable of a macro: a name (by convention "gen_" + a word) and its value as text.
struct Vdn_GeneralVariable {
    Vdn_String name;
    Vdn_String value;
    core::JsonExtras extras;

    friend bool operator==(const Vdn_GeneralVariable&, const Vdn_GeneralVariable&) = default;
};
