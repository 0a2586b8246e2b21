#pragma once

#include "platform/core/text/Vdn_StringArray.h"

// A group of section types in the section library ("I-sections", "Tubes").
struct SectionGroup {
    // Stays with the group when groups are reordered; section types refer to it.
    int id = -1;
    Vdn_String name;
    bool enabled = true;
    Vdn_String imageFile;
    // One name per interface language, in language order.
    Vdn_StringArray languageNames;

    friend bool operator==(const SectionGroup&, const SectionGroup&) = default;
};
