#pragma once

#include "platform/core/text/Vdn_Array.h"
#include "platform/core/text/Vdn_StringArray.h"

namespace core {

// One section table as the core module holds it: the rows of a table file without the
// active-flag column. Column layout (from 0): the row's system name; one user name per
// language (4, or 5 when column 5 is named "Korean"); then the section values. A section's
// full system name is name + "-" + the row's system name ("HEA-200").
struct SectionTable {
    // The table's name without ".pr" ("HEA"): the prefix of its sections' system names.
    Vdn_String name;
    Vdn_String templateName;
    Vdn_StringArray columnNames;
    Vdn_Array<Vdn_StringArray> rows;

    static constexpr int kLanguages = 4;
    // The languages of the user-name columns, in the order of the work languages
    // (Vdn_Settings::Language); a table finds its columns by these names.
    static constexpr const wchar_t* kLanguageNames[] = {L"Dutch", L"English", L"French"};
    // The name of the optional fifth language column.
    static constexpr const wchar_t* kFifthLanguage = L"Korean";

    // 4, or 5 when the column after the four languages is named "Korean".
    int languageCount() const;
    // The index of the first value column.
    int firstValueColumn() const { return 1 + languageCount(); }
    // Whether the column names hold at least the system-name and language columns.
    bool hasLanguageColumns() const;
    Vdn_StringArray valueColumnNames() const;
    // name + "-" + the row's system name; the empty text for a row without one.
    Vdn_String systemName(int row) const;
    // The user-name column of a work language: the column whose name is that language's
    // name (case-insensitive), among the language columns only; -1 when there is none.
    int languageColumn(int workLanguage) const;
};

} // namespace core
