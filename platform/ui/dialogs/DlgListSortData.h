#pragma once
// The record of the core module's list dialog: the user chooses items from the available ones
// and puts the chosen ones in order. mode is a set of bits: kAddRemove lets items move between
// the two lists, kOrder lets the chosen ones move up and down (3 allows both).

#include "platform/core/text/Vdn_StringArray.h"

struct DlgListSortData {
    static constexpr int kAddRemove = 1;
    static constexpr int kOrder = 2;

    int mode = kAddRemove | kOrder;
    Vdn_String title;
    Vdn_String prompt;
    // Every item that may be chosen, in the order they are offered.
    Vdn_StringArray availableItems;
    // The chosen items in their order; on OK the user's choice. A chosen item that is not
    // available stays chosen unless the user removes it.
    Vdn_StringArray chosenItems;

    bool operator==(const DlgListSortData&) const = default;
};
