#pragma once

#include "platform/core/text/JsonExtras.h"
#include "platform/core/text/Vdn_Array.h"
#include "platform/core/text/Vdn_StringArray.h"

#include <vector>

// An array of a module: a part of the macro repeated along dimensions of the model. The kind
// is the array type (0 the first kind, which has no entries of its own); the five texts are
// type, three dimension names and spacing as the array dialog shows them; the design names a
// user design. Five further texts and two options are the array dialog's; each entry has a
// text, a number and a flag.
struct Vdn_DynArray {
    static constexpr int kTextCount = 5;
    static constexpr int kFurtherTextCount = 5;

    Vdn_String name;
    int kind = 0;
    Vdn_StringArray texts;        // kTextCount entries
    Vdn_StringArray furtherTexts; // kFurtherTextCount entries
    bool option = false;
    bool alternating = false;
    Vdn_String design;
    Vdn_StringArray entries;
    Vdn_Array<int> entryNumbers;  // as many as entries
    std::vector<bool> entryFlags; // as many as entries
    core::JsonExtras extras;

    friend bool operator==(const Vdn_DynArray&, const Vdn_DynArray&) = default;
};
