#pragma once

#include "platform/core/model/AcArray.h"
#include "platform/core/model/AcDbObjectId.h"
#include "platform/core/text/Vdn_Array.h"
#include "platform/core/text/Vdn_StringArray.h"

#include <array>

// What is done with an entry of an array when the record is written into the model.
enum TfEntryAction { kEntryKeep = 0, kEntryRemove = 1 };

// One array of a macro tab, as the macro dialog and the array dialog edit it: the array type
// (kind: 0 to 3, -1 undetermined), five texts (the type-1 text, three dimension names and the
// spacing) with a control id each, five further texts, two three-state options (1, 0, -1),
// the "..." button's id, the user design and the entries with their own ids (control ids as
// MacroCell's). A kind or option left undetermined changes nothing in the model.
class DynArrayData {
public:
    static constexpr int kTextCount = 5;
    static constexpr int kFurtherTextCount = 5;
    static constexpr int kTypeCount = 4;

    struct EntryProps {
        Vdn_String text;
        int controlId = 0;
        int number = 0;
        bool flag = false;
        int action = kEntryKeep;
        friend bool operator==(const EntryProps&, const EntryProps&) = default;
    };

    // The dimension names an array named arrayName of the macros with the given ids may run
    // along: the numeric variables the macro dialog shows of the module that holds the array
    // (of every module when none does), each name once, in module order. Empty when the
    // current drawing holds none of the macros. The array type does not narrow the list: every
    // type runs along variables of the same kind.
    static void getValidDimNames(const AcArray<AcDbObjectId>& ids, const Vdn_String& arrayName,
                                 int arrayType, Vdn_StringArray& names);

    // The entry at index; false when there is none.
    bool getEntry(int index, EntryProps*& entry) {
        if (!entries.isValidIndex(index))
            return false;
        entry = &entries[index];
        return true;
    }
    // Arrays of the first kind repeat without entries of their own.
    bool isFirstKind() const { return kind == 0; }

    // The entries as the columns of the array dialog's grid.
    void getEntryColumns(Vdn_Array<int>& numbers, Vdn_Array<bool>& flags,
                         Vdn_StringArray& texts) const;
    // Takes the columns back into the entries at the same positions (their ids and actions
    // stay); false, with nothing changed, when the lists differ in length from each other or
    // from the entries.
    bool setEntryColumns(const Vdn_Array<int>& numbers, const Vdn_Array<bool>& flags,
                         const Vdn_StringArray& texts);
    // False for an index outside the entries.
    bool setEntryAction(int index, TfEntryAction action);

    // Gives the "..." button and the first text the page's grid row (id -row), each only when
    // no control shows it yet (id < 1): a row never takes an id a design control holds.
    void bindGridRow(int row);

    friend bool operator==(const DynArrayData&, const DynArrayData&) = default;

    Vdn_String moduleName;
    Vdn_String name;
    int kind = 0;
    std::array<Vdn_String, kTextCount> texts;
    std::array<int, kTextCount> textIds{};
    std::array<Vdn_String, kFurtherTextCount> furtherTexts;
    int option = 0;
    int alternating = 0;
    int buttonId = 0;
    Vdn_String design;
    Vdn_Array<EntryProps> entries;
};
