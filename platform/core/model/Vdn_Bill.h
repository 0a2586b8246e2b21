#pragma once

#include "platform/core/text/Vdn_Array.h"
#include "platform/core/text/Vdn_String.h"

// A bill of materials as the core module's bill engine hands it to its outputs, reduced to
// what they use: the items, each found by its position mark, with what a picture of it shows.
struct Vdn_BillItem {
    Vdn_String position; // the mark in the bill's first column ("P12")
    Vdn_String section;  // "HEA-200", "PL 15x220"
    double length = 0;   // millimetres
};

class Vdn_Bill {
public:
    Vdn_String title;
    Vdn_Array<Vdn_BillItem> items;

    // The item with this position mark (compared exactly); null when there is none.
    const Vdn_BillItem* findItem(const Vdn_String& position) const;
    // The longest item's length, 0 for a bill without items; pictures are drawn to this scale.
    double longestLength() const;
};
