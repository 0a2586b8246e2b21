#pragma once
// MappingChoices: the macro values a variable of a standards sheet can be mapped to, as the
// mapping page offers them in a cell's pick list: first "not mapped" (the empty item), then per
// category its heading and its values, in the order visible and settable, visible, settable,
// neither. A category without values gets no heading.

#include "platform/core/text/Vdn_Array.h"
#include "platform/core/text/Vdn_StringArray.h"
#include "spreadsheet/standards/TfSSMapping.h"

class Vdn_DbMacro;

class MappingChoices {
public:
    // The items of one pick list; entries[i] is the index (in all()) of item i's macro value,
    // -1 for the empty item and the headings.
    struct List {
        Vdn_StringArray items;
        Vdn_Array<int> entries;
        // The item of the macro value at that index of all(); 0 (not mapped) when none.
        int itemOf(int entry) const;
    };

    // Every mappable value of the macro; none without a macro.
    explicit MappingChoices(Vdn_DbMacro* macro);

    const TfSSMapping& all() const { return all_; }
    List listFor(TfValueType type) const;

    // How a macro value reads in a pick list: keyword, then object and name joined by "."
    // ("Distance Plate.W", "GenVar gen_Gap", "BoltsDiameter Bolts"), a section column's name
    // in brackets ("MemberSectionSize Prof0;1 (h)").
    static Vdn_String entryText(const TfObjectMap& entry);

private:
    TfSSMapping all_;
};
