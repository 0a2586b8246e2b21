#pragma once
// SimpleSizeAdder: the rules of the simple library editor. A new size is made from a size of
// the table (the one to start from) and what the user gives: a name, or an automatic name
// made of values, and up to kMaxFields values. Everything is checked before the size is
// inserted, so a refused size leaves the table as it was; values beyond the fields shown
// keep the copied size's values.

#include "library/StandardTemplates.h"
#include "library/Vdn_ProfValuesTable.h"

class SimpleSizeAdder {
public:
    static constexpr int kMaxFields = 11;
    // The template whose fourth value (the radius) must be 0 or above the third (the wall).
    static constexpr int kRadiusTemplate = 10;

    enum class Outcome {
        Added,
        NoRows,    // the table has no size to start from
        NoName,    // the name is empty
        BadValue,  // a field is no finite number
        NameInUse, // a size with the new system name exists
        RadiusTooSmall,
    };

    struct Input {
        bool automaticName = true;
        Vdn_String name;        // used without automaticName
        Vdn_StringArray values; // the fields shown, in order
    };

    SimpleSizeAdder(const Vdn_ProfValuesTable& table, const Vdn_String& startName,
                    const StandardTemplates& templates);

    // The size copied: the row whose system name equals the name to start from (its full
    // "table-size" form or the size alone), row 0 when none; -1 for a table without rows.
    int copiedRow() const { return copied_; }
    bool copiedActive() const;
    // The copied size's user name in the work language.
    Vdn_String copiedName() const;
    // The names of the fields shown: the template's value names, or the table's value column
    // names in the work language; at most kMaxFields, and no more than the copied size has.
    const Vdn_StringArray& fieldNames() const { return fieldNames_; }
    // The copied size's values for the fields shown.
    Vdn_StringArray fieldValues() const;
    // "A. h:" for field 0.
    static Vdn_String fieldLabel(int field, const Vdn_String& name);

    // The system name the input gives (automatic: the fields in the template's naming order
    // joined with "x"). BadValue or NoName when it cannot be made.
    Outcome makeName(const Input& input, Vdn_String& name) const;
    // Checks the input and inserts the new size into table (the table this adder was made
    // for); index receives its position among the active sizes. On any other outcome the table
    // is unchanged.
    Outcome add(const Input& input, Vdn_ProfValuesTable& table, int& index) const;
    // Where a size of that system name goes among the table's sizes (see the .cpp).
    static int insertPosition(const Vdn_ProfValuesTable& table, const Vdn_String& sysName);

private:
    int firstValueColumn() const;

    const Vdn_ProfValuesTable& table_;
    int copied_ = -1;
    int templateNumber_ = 0;
    Vdn_Array<int> nameOrder_;
    Vdn_StringArray fieldNames_;
};
