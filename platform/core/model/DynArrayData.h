#pragma once

#include "platform/core/text/Vdn_Array.h"
#include "platform/core/text/Vdn_StringArray.h"

#include <array>

// One array of a macro tab, as the macro dialog and the array dialog edit it: five texts
// (array type, three dimension names, spacing) with a control id each, the "..." button's id,
// the user design and the entries with their own ids (control ids as MacroCell's).
class DynArrayData {
public:
    static constexpr int kTextCount = 5;

    struct EntryProps {
        Vdn_String text;
        int controlId = 0;
        friend bool operator==(const EntryProps&, const EntryProps&) = default;
    };

    // The entry at index; false when there is none.
    bool getEntry(int index, EntryProps*& entry) {
        if (!entries.isValidIndex(index))
            return false;
        entry = &entries[index];
        return true;
    }
    // Arrays of the first kind repeat without entries of their own.
    bool isFirstKind() const { return kind == 0; }

    friend bool operator==(const DynArrayData&, const DynArrayData&) = default;

    Vdn_String moduleName;
    Vdn_String name;
    int kind = 0;
    std::array<Vdn_String, kTextCount> texts;
    std::array<int, kTextCount> textIds{};
    int buttonId = 0;
    Vdn_String design;
    Vdn_Array<EntryProps> entries;
};
