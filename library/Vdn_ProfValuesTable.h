#pragma once
// Vdn_ProfValuesTable: one section table of the profile library in memory, one row per section
// size. It is read from and written to the library's table files (prof\<name>.pr, see
// docs/section-tables.md), shown and edited in a spreadsheet, and handed to the core module's
// section tables once edited.
//
// Row layout (column from 0): 0 the system name, unique in the table; 1 the active flag ("1"
// active, "0" inactive); 2 to 1 + getNrLanguages() one user name per language; then the
// section values.
//
// The implementation is split by concern: VdnProfValuesTable.cpp (rows, columns and names),
// VdnProfValuesTableInsert.cpp (inserting and changing rows), VdnProfValuesTableFile.cpp (the
// table file), VdnProfValuesTableSheet.cpp (spreadsheet and core hand-over).

#include "platform/core/settings/AcadErrorStatus.h"
#include "platform/core/text/Vdn_Array.h"
#include "platform/core/text/Vdn_String.h"
#include "platform/core/text/Vdn_StringArray.h"
#include "platform/host/AcArray.h"

class Vdn_SectionTableManager;
class Vdn_Spread;

class Vdn_ProfValuesTable {
public:
    static constexpr int kSysNameColumn = 0;
    static constexpr int kFlagColumn = 1;
    static constexpr int kFirstLanguageColumn = 2;

    Vdn_ProfValuesTable() = default;
    Vdn_ProfValuesTable(const Vdn_ProfValuesTable&) = default;
    Vdn_ProfValuesTable(Vdn_ProfValuesTable&&) noexcept = default;
    Vdn_ProfValuesTable& operator=(const Vdn_ProfValuesTable&) = default;
    Vdn_ProfValuesTable& operator=(Vdn_ProfValuesTable&&) noexcept = default;
    virtual ~Vdn_ProfValuesTable() = default;

    friend bool operator==(const Vdn_ProfValuesTable&, const Vdn_ProfValuesTable&) = default;

    // The table's name (the table file's name without ".pr"); also the prefix of the system
    // names offered to the user ("HEA" in "HEA-200").
    Vdn_String tableName;
    // The template: a standard template number ("1") or a template file name.
    Vdn_String templateName;
    Vdn_StringArray columnNames;
    Vdn_Array<Vdn_StringArray> rows;

    // --- the table file ---------------------------------------------------------------------
    // gSettings.libDir() + "prof\" + name, with ".pr" appended unless name ends with it.
    static Vdn_String filePath(const Vdn_String& name);
    // Reads the table file. Its first row holds the template name, its second the column
    // names, the rest the sizes; a file of a single row gives that row as the only size, with
    // no template and no column names. False, with the table unchanged and problem (optional)
    // saying why, for a name that is empty or holds a folder separator, a file that cannot be
    // read or is damaged, a file without rows, and column names that stop before the last
    // language column. Size rows whose length differs from the column names' are read as they
    // are and told in problem ("line 7 (size 5): ...; line 9 ..."), which is empty on success
    // otherwise.
    bool readFromFile(const Vdn_String& name, Vdn_String* problem = nullptr);
    // Writes the template row, the column names and the sizes. False (nothing written) for a
    // bad name, a table its own reading would refuse (see above; a table without column names
    // included) and a file that cannot be written.
    bool writeToFile(const Vdn_String& name, Vdn_String* problem = nullptr) const;

    // --- rows, columns and names -------------------------------------------------------------
    // False for an index outside the rows.
    bool getRow(Vdn_StringArray& row, const int& index) const;
    bool deleteRow(const int& index);
    // One text per row, empty where a row is too short. False (values emptied) when there are
    // no rows, or column is negative or not below the first row's length.
    bool getColumn(Vdn_StringArray& values, const int& column) const;
    bool getColumn(Vdn_StringArray& values, const Vdn_String& columnName) const;
    // The column named columnName (without regard to case), or -1.
    int getColumnIdx(const Vdn_String& columnName) const;
    // 4, or 5 when the column with index 6 is named "Korean".
    int getNrLanguages() const;
    // tableName + "-" + the system name of every row; getFilteredSysNames leaves out the rows
    // whose flag is "0". Nothing (names emptied, false) when the system-name and flag columns
    // cannot both be read.
    bool getSysNames(Vdn_StringArray& names) const;
    bool getFilteredSysNames(Vdn_StringArray& names) const;
    // The position of row index among the active rows: index minus the number of earlier rows
    // whose flag is not "1"; -1 for an index outside the rows.
    int getfilteredIdx(const int& index) const;
    // The row whose system name equals name (without regard to case); index is left alone
    // when there is none.
    bool findSysName(const Vdn_String& name, int& index) const;
    // A system name based on base that no row uses (findNonExistingString).
    Vdn_String findUnusedSysName(const Vdn_String& base) const;

    // --- inserting and changing rows ---------------------------------------------------------
    // Inserts a copy of row index after it, with a free system name based on the copied one
    // and, in the column of the work language, that name behind the copied user name's prefix
    // (the text before its first digits, else tableName). False, with nothing inserted, when
    // the table has no column for the work language or row index is the last row (a copy is
    // never inserted after the last row) or not a row at all; index -1 inserts an empty-based
    // row at the top.
    bool insertRow(const int& index);
    // insertRow(index), then the new row (index + 1) gets sysName and, in every language
    // column, userName. eInvalidInput, with the table unchanged, when any step fails or
    // another row already has sysName.
    Acad::ErrorStatus insertRow(const int& index, const Vdn_String& sysName,
                                const Vdn_String& userName);
    // Column 0 of the row. eInvalidInput for a bad index, an empty row, or a name that another
    // row has (without regard to case).
    Acad::ErrorStatus setSysName(const int& index, const Vdn_String& name);
    // Every language column of the row; eInvalidInput when the row is shorter than
    // 2 + getNrLanguages().
    Acad::ErrorStatus setUserNames(const int& index, const Vdn_String& name);
    // The value columns, each value written with 1 decimal ("190.0"). eInvalidInput, with the
    // row unchanged, unless the row has exactly 2 + getNrLanguages() + values.length() texts
    // and every value is a finite number.
    Acad::ErrorStatus setValues(const int& index, const AcArray<double>& values);
    // Removes every row that has a flag and whose flag is "0".
    void removeInactiveEntries();

    // --- spreadsheet and core module ---------------------------------------------------------
    // Shows the table: one sheet row per row, one column per column name, the flag column as
    // check boxes, every row header tableName. False (an empty sheet) when the table has no
    // rows or the sheet is not attached. Clears the sheet's changed flag.
    bool setToSS(Vdn_Spread& sheet) const;
    // Reads the table back: column names from the column headers, tableName from the header
    // of row 1, the rows from the values of every row. False, with the table unchanged, when
    // the sheet has no rows or no columns.
    bool getFromSS(Vdn_Spread& sheet);
    // Registers the table, without its flag column, as tableName + ".pr", replacing a table of
    // that name. eInvalidInput without a manager, for an empty tableName and for column names
    // that stop before the last language column; an existing table is then kept.
    Acad::ErrorStatus setToGlobals(Vdn_SectionTableManager* manager) const;

private:
    bool collectSysNames(Vdn_StringArray& names, bool activeOnly) const;
    // The column of the work language's user names, or -1.
    int workLanguageColumn() const;
};
