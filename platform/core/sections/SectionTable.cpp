#include "platform/core/sections/SectionTable.h"

#include "platform/core/text/CharCase.h"

#include <algorithm>
#include <iterator>

namespace core {

int SectionTable::languageCount() const {
    const int fifth = 1 + kLanguages;
    return columnNames.length() > fifth && columnNames[fifth] == kFifthLanguage ? kLanguages + 1
                                                                                : kLanguages;
}

bool SectionTable::hasLanguageColumns() const {
    return columnNames.length() >= firstValueColumn();
}

Vdn_StringArray SectionTable::valueColumnNames() const {
    Vdn_StringArray names;
    for (int i = firstValueColumn(); i < columnNames.length(); ++i)
        names.append(columnNames[i]);
    return names;
}

Vdn_String SectionTable::systemName(int row) const {
    if (!rows.isValidIndex(row) || rows[row].isEmpty() || rows[row][0].isEmpty())
        return {};
    return name + L"-" + rows[row][0];
}

int SectionTable::languageColumn(int workLanguage) const {
    if (workLanguage < 0 || workLanguage >= static_cast<int>(std::size(kLanguageNames)))
        return -1;
    const int end = std::min(firstValueColumn(), columnNames.length());
    for (int i = 1; i < end; ++i) {
        if (equalNoCase(columnNames[i].str(), kLanguageNames[workLanguage]))
            return i;
    }
    return -1;
}

} // namespace core
