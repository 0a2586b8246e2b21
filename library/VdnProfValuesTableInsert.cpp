#include "library/Vdn_ProfValuesTable.h"
#include "platform/core/text/StringHelpers.h"

#include <cmath>

// Inserting and changing rows.

bool Vdn_ProfValuesTable::insertRow(const int& index) {
    const int languageColumn = workLanguageColumn();
    if (languageColumn < 0)
        return false;
    // A copy goes right after its row, and never after the last row.
    const int at = index + 1;
    if (at < 0 || at >= rows.length())
        return false;

    Vdn_StringArray row = rows.isValidIndex(index) ? rows[index] : Vdn_StringArray();
    // A short row (or none) is padded, so the language column can be written.
    while (row.length() < columnNames.length() || row.length() <= languageColumn)
        row.append(Vdn_String());

    Vdn_String prefix = tableName;
    Vdn_String before;
    Vdn_String numbers;
    if (findFirstNumbers(row[languageColumn], before, numbers) && !before.isEmpty())
        prefix = before;

    const Vdn_String sysName =
        findUnusedSysName(row[kSysNameColumn].isEmpty() ? Vdn_String(L"1") : row[kSysNameColumn]);
    row[kSysNameColumn] = sysName;
    row[languageColumn] = prefix + sysName;
    return rows.insertAt(at, std::move(row));
}

Acad::ErrorStatus Vdn_ProfValuesTable::insertRow(const int& index, const Vdn_String& sysName,
                                                 const Vdn_String& userName) {
    int taken = -1;
    if (findSysName(sysName, taken))
        return Acad::eInvalidInput;
    // The steps run on a copy, so a failing step leaves no half-made row behind.
    Vdn_ProfValuesTable changed = *this;
    if (!changed.insertRow(index) || changed.setSysName(index + 1, sysName) != Acad::eOk ||
        changed.setUserNames(index + 1, userName) != Acad::eOk)
        return Acad::eInvalidInput;
    *this = std::move(changed);
    return Acad::eOk;
}

Acad::ErrorStatus Vdn_ProfValuesTable::setSysName(const int& index, const Vdn_String& name) {
    if (!rows.isValidIndex(index) || rows[index].isEmpty())
        return Acad::eInvalidInput;
    int holder = -1;
    if (findSysName(name, holder) && holder != index)
        return Acad::eInvalidInput;
    rows[index][kSysNameColumn] = name;
    return Acad::eOk;
}

Acad::ErrorStatus Vdn_ProfValuesTable::setUserNames(const int& index, const Vdn_String& name) {
    const int languages = getNrLanguages();
    if (!rows.isValidIndex(index) || rows[index].length() < kFirstLanguageColumn + languages)
        return Acad::eInvalidInput;
    for (int column = kFirstLanguageColumn; column < kFirstLanguageColumn + languages; ++column)
        rows[index][column] = name;
    return Acad::eOk;
}

Acad::ErrorStatus Vdn_ProfValuesTable::setValues(const int& index, const AcArray<double>& values) {
    const int firstValue = kFirstLanguageColumn + getNrLanguages();
    if (!rows.isValidIndex(index) || rows[index].length() != firstValue + values.length())
        return Acad::eInvalidInput;
    for (int i = 0; i < values.length(); ++i) {
        if (!std::isfinite(values[i]))
            return Acad::eInvalidInput;
    }
    for (int i = 0; i < values.length(); ++i)
        rows[index][firstValue + i] = Vdn_String(values[i], 1);
    return Acad::eOk;
}
