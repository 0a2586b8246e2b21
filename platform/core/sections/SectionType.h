#pragma once

#include "platform/core/text/Vdn_StringArray.h"

// A section type of the section library ("HEA"), belonging to a group and backed by a value
// table.
struct SectionType {
    Vdn_String name;
    bool enabled = true;
    Vdn_String imageFile;
    // The id of its group (SectionGroup::id); -1 for none.
    int group = -1;
    // The name of its value-table file, or a standard template number.
    Vdn_String table;
    // One name per interface language, in language order.
    Vdn_StringArray languageNames;

    friend bool operator==(const SectionType&, const SectionType&) = default;
};
