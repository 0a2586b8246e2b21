#include "library/Vdn_ProfValuesTable.h"
#include "platform/core/sections/Vdn_SectionTableManager.h"
#include "platform/core/settings/Vdn_Settings.h"

// The table file: a row holding the template name, a row of column names, then the sizes.

namespace {

const Vdn_String kExtension = L".pr";

bool endsWithExtension(const Vdn_String& name) {
    const int stem = name.length() - kExtension.length();
    return stem >= 0 && name.substr(stem).equal(kExtension, false);
}

// A table name is a file name inside the library's "prof" folder, never a way out of it.
bool checkName(const Vdn_String& name, Vdn_String& problem) {
    const Vdn_String stem =
        endsWithExtension(name) ? name.substr(0, name.length() - kExtension.length()) : name;
    if (stem.trim().isEmpty()) {
        problem = L"the table has no name";
        return false;
    }
    if (name.find(L"\\") >= 0 || name.find(L"/") >= 0) {
        problem = L"a table name holds no folder: " + name;
        return false;
    }
    return true;
}

// The size rows whose length differs from the column names', one text each with its line.
Vdn_StringArray damagedRows(const Vdn_ProfValuesTable& table,
                            const Vdn_Array<Vdn_StringArray>& fileRows) {
    Vdn_StringArray damaged;
    const int columns = table.columnNames.length();
    for (int i = 2; i < fileRows.length(); ++i) {
        if (fileRows[i].length() != columns) {
            // The file's first line names the format, so row i stands on line i + 2.
            damaged.append(
                Vdn_String::format(L"line %d (size %d): %d texts where the column names give %d",
                                   i + 2, i - 1, fileRows[i].length(), columns));
        }
    }
    return damaged;
}

// The checks a table file must pass before anything of it is used. fileRows are the rows as the
// file holds them (template row, column names, sizes); a single row is a size on its own. With
// sizeRows, every size row must also fit the column names.
bool checkFileRows(const Vdn_ProfValuesTable& table, const Vdn_Array<Vdn_StringArray>& fileRows,
                   Vdn_String& problem, bool sizeRows = true) {
    if (fileRows.isEmpty()) {
        problem = L"the file holds no rows";
        return false;
    }
    if (fileRows.length() == 1)
        return true;
    const int columns = table.columnNames.length();
    if (columns < Vdn_ProfValuesTable::kFirstLanguageColumn + table.getNrLanguages()) {
        problem = L"the columns stop before the last language column";
        return false;
    }
    if (!sizeRows)
        return true;
    const Vdn_StringArray damaged = damagedRows(table, fileRows);
    if (!damaged.isEmpty()) {
        problem = damaged.first();
        return false;
    }
    return true;
}

void report(Vdn_String* problem, const Vdn_String& text) {
    if (problem)
        *problem = text;
}

} // namespace

Vdn_String Vdn_ProfValuesTable::filePath(const Vdn_String& name) {
    return gSettings.libDir() + L"prof\\" + name + (endsWithExtension(name) ? L"" : kExtension);
}

bool Vdn_ProfValuesTable::readFromFile(const Vdn_String& name, Vdn_String* problem) {
    Vdn_String why;
    if (!checkName(name, why)) {
        report(problem, why);
        return false;
    }
    Vdn_ProfValuesTable read;
    Vdn_Array<Vdn_StringArray> fileRows;
    if (!Vdn_SectionTableManager::readFile(filePath(name), read.tableName, fileRows, &why)) {
        report(problem, why);
        return false;
    }
    if (fileRows.length() >= 2) {
        read.templateName = fileRows[0].isEmpty() ? Vdn_String() : fileRows[0][0];
        read.columnNames = fileRows[1];
    }
    if (!checkFileRows(read, fileRows, why, false)) {
        report(problem, why);
        return false;
    }
    // A damaged size row spoils no other: the table is read whole (the section functions read
    // such a file too) and the damage is told, line by line. Such a table is not written back
    // until its rows are mended, so nothing of the file is lost.
    const Vdn_StringArray damaged = damagedRows(read, fileRows);
    Vdn_String told;
    for (const Vdn_String& line : damaged)
        told += (told.isEmpty() ? Vdn_String() : Vdn_String(L"; ")) + line;
    report(problem, told);
    for (int i = fileRows.length() >= 2 ? 2 : 0; i < fileRows.length(); ++i)
        read.rows.append(std::move(fileRows[i]));
    *this = std::move(read);
    return true;
}

bool Vdn_ProfValuesTable::writeToFile(const Vdn_String& name, Vdn_String* problem) const {
    Vdn_String why;
    if (!checkName(name, why)) {
        report(problem, why);
        return false;
    }
    Vdn_Array<Vdn_StringArray> fileRows;
    fileRows.append(Vdn_StringArray{templateName});
    fileRows.append(columnNames);
    fileRows.append(rows);
    // What the reader would refuse is not written, so a written table always reads back.
    if (!checkFileRows(*this, fileRows, why)) {
        report(problem, L"the table cannot be written: " + why);
        return false;
    }
    if (!Vdn_SectionTableManager::writeFile(filePath(name), fileRows)) {
        report(problem, L"cannot be written");
        return false;
    }
    return true;
}
