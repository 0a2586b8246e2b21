#pragma once

#include "platform/core/text/Vdn_Array.h"
#include "platform/core/text/Vdn_String.h"

#include <iosfwd>

// A list of texts, indexed from 0. Adds text lookups with a case flag to Vdn_Array.
class Vdn_StringArray : public Vdn_Array<Vdn_String> {
public:
    using Vdn_Array<Vdn_String>::Vdn_Array;
    using Vdn_Array<Vdn_String>::append;

    // Index of the first entry equal to text, or -1.
    int find(const Vdn_String& text, bool caseSensitive = true) const;
    bool contains(const Vdn_String& text, bool caseSensitive = true) const {
        return find(text, caseSensitive) >= 0;
    }
};

// Writes the items as UTF-8, between braces and separated by ", " (for diagnostics and test
// output).
std::ostream& operator<<(std::ostream& out, const Vdn_StringArray& items);
