#pragma once

#include "platform/core/sections/SectionGroup.h"
#include "platform/core/text/Vdn_Array.h"

// The groups of the section library, in display order. Ids are unique within the array.
class SectionGroupArray : public Vdn_Array<SectionGroup> {
public:
    using Vdn_Array<SectionGroup>::Vdn_Array;

    // Appends an enabled group with a new id (one above the highest in use), named name in
    // every interface language; returns its index.
    int appendNewGrp(const Vdn_String& name);
    // The index of the group with that id, or -1.
    int findId(int id) const;
    // The names of all groups and their ids, at the same positions.
    void namesOfAllGroups(Vdn_StringArray& names, Vdn_Array<int>& ids) const;
};
