#include "library/Vdn_ProfValuesTable.h"
#include "platform/core/sections/SectionTable.h"
#include "platform/core/settings/Vdn_Settings.h"
#include "platform/core/text/StringHelpers.h"

#include <iterator>

// Rows, columns and names.

namespace {

// The flag of a row; the empty text for a row without one.
Vdn_String flagOf(const Vdn_StringArray& row) {
    return row.length() > Vdn_ProfValuesTable::kFlagColumn ? row[Vdn_ProfValuesTable::kFlagColumn]
                                                           : Vdn_String();
}

} // namespace

bool Vdn_ProfValuesTable::getRow(Vdn_StringArray& row, const int& index) const {
    if (!rows.isValidIndex(index))
        return false;
    row = rows[index];
    return true;
}

bool Vdn_ProfValuesTable::deleteRow(const int& index) {
    return rows.removeAt(index);
}

bool Vdn_ProfValuesTable::getColumn(Vdn_StringArray& values, const int& column) const {
    values.clear();
    if (rows.isEmpty() || column < 0 || column >= rows[0].length())
        return false;
    for (const Vdn_StringArray& row : rows)
        values.append(row.isValidIndex(column) ? row[column] : Vdn_String());
    return true;
}

bool Vdn_ProfValuesTable::getColumn(Vdn_StringArray& values, const Vdn_String& columnName) const {
    return getColumn(values, getColumnIdx(columnName));
}

int Vdn_ProfValuesTable::getColumnIdx(const Vdn_String& columnName) const {
    return columnNames.find(columnName, false);
}

int Vdn_ProfValuesTable::getNrLanguages() const {
    constexpr int fifth = kFirstLanguageColumn + core::SectionTable::kLanguages;
    return columnNames.length() > fifth && columnNames[fifth] == core::SectionTable::kFifthLanguage
               ? core::SectionTable::kLanguages + 1
               : core::SectionTable::kLanguages;
}

bool Vdn_ProfValuesTable::getSysNames(Vdn_StringArray& names) const {
    return collectSysNames(names, false);
}

bool Vdn_ProfValuesTable::getFilteredSysNames(Vdn_StringArray& names) const {
    return collectSysNames(names, true);
}

bool Vdn_ProfValuesTable::collectSysNames(Vdn_StringArray& names, bool activeOnly) const {
    names.clear();
    Vdn_StringArray sysNames;
    Vdn_StringArray flags;
    if (!getColumn(sysNames, kSysNameColumn) || !getColumn(flags, kFlagColumn) ||
        sysNames.length() != flags.length())
        return false;
    for (int i = 0; i < sysNames.length(); ++i) {
        // Only a flag of exactly "0" hides a size here (getfilteredIdx is stricter).
        if (!activeOnly || flags[i] != L"0")
            names.append(tableName + L"-" + sysNames[i]);
    }
    return true;
}

int Vdn_ProfValuesTable::getfilteredIdx(const int& index) const {
    if (!rows.isValidIndex(index))
        return -1;
    int inactive = 0;
    for (int i = 0; i < index; ++i) {
        if (flagOf(rows[i]) != L"1")
            ++inactive;
    }
    return index - inactive;
}

bool Vdn_ProfValuesTable::findSysName(const Vdn_String& name, int& index) const {
    Vdn_StringArray sysNames;
    getColumn(sysNames, kSysNameColumn);
    const int found = sysNames.find(name, false);
    if (found < 0)
        return false;
    index = found;
    return true;
}

Vdn_String Vdn_ProfValuesTable::findUnusedSysName(const Vdn_String& base) const {
    Vdn_StringArray sysNames;
    getColumn(sysNames, kSysNameColumn);
    return findNonExistingString(sysNames, base);
}

void Vdn_ProfValuesTable::removeInactiveEntries() {
    for (int i = rows.length() - 1; i >= 0; --i) {
        if (rows[i].length() > kFlagColumn && rows[i][kFlagColumn].equal(L"0", true))
            rows.removeAt(i);
    }
}

int Vdn_ProfValuesTable::workLanguageColumn() const {
    const int language = gSettings.workLanguage();
    if (language < 0 || language >= static_cast<int>(std::size(core::SectionTable::kLanguageNames)))
        return -1;
    return getColumnIdx(core::SectionTable::kLanguageNames[language]);
}
