#pragma once

#include "platform/core/text/JsonExtras.h"
#include "platform/core/text/Vdn_StringArray.h"

// An array of a module: a part of the macro repeated along dimensions of the model. The kind
// is the array type (0 the first kind, which has no entries of its own); the five texts are
// type, three dimension names and spacing as the array dialog shows them; the design names a
// user design.
struct Vdn_DynArray {
    static constexpr int kTextCount = 5;

    Vdn_String name;
    int kind = 0;
    Vdn_StringArray texts; // kTextCount entries
    Vdn_String design;
    Vdn_StringArray entries;
    core::JsonExtras extras;

    friend bool operator==(const Vdn_DynArray&, const Vdn_DynArray&) = default;
};
