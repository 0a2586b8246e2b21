#pragma once

#include "platform/core/text/Vdn_StringArray.h"

// How standards spreadsheets are mapped onto a macro: per row a spreadsheet (its name below
// the standards folder, without extension), a target ("Module." + a module name, or the name
// of a mapping stored in the spreadsheet file, for the entire macro) and a module name, at the
// same positions.
struct TabMappingData {
    Vdn_StringArray spreadsheets;
    Vdn_StringArray targets;
    Vdn_StringArray moduleNames;

    int count() const { return spreadsheets.length(); }
    // Whether the row maps onto one module (its target starts with "Module.").
    bool targetsModule(int row) const {
        return targets.isValidIndex(row) && targets[row].startsWith(L"Module.", false);
    }

    friend bool operator==(const TabMappingData&, const TabMappingData&) = default;
};
