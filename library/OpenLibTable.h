#pragma once
// OpenLibTable: the value table the section-library editor has open, and what may be done
// with its file. It keeps the editor from losing a table: a table that could not be read is
// never written over its file, a new table counts as changed until it is saved, and a rename
// writes the new file before the old one goes.

#include "library/Vdn_ProfValuesTable.h"

class OpenLibTable {
public:
    enum class Source {
        None,       // no table open
        File,       // read from its file
        Unreadable, // its file could not be read: shown empty, never saved over the file
        New,        // made in the editor, not saved yet
    };
    enum class RenameResult { Renamed, Unchanged, BadName, NameInUse, WriteFailed, Unreadable };

    // The language columns every new table gets, in the order a table reads them.
    static const Vdn_StringArray& newTableLanguages();

    // Opens prof\<name>.pr; a file that cannot be read gives an empty table marked Unreadable,
    // and problem says why.
    void open(const Vdn_String& name, Vdn_String* problem = nullptr);
    // A new table: "SysName", "I/O", the four languages, valueName + "1" and valueName + "2";
    // one row of an empty system name, "1", empty user names and two zeros.
    void openNew(const Vdn_String& name, const Vdn_String& valueName);
    void close();

    const Vdn_String& name() const { return name_; }
    Source source() const { return source_; }
    Vdn_ProfValuesTable& table() { return table_; }
    const Vdn_ProfValuesTable& table() const { return table_; }

    // Whether leaving the table must ask to save it: its sheet changed or it was never saved.
    // Never for an unreadable table, whose empty sheet would replace the file.
    bool needsSaving(bool sheetChanged) const;
    // Writes table() to its file; false, with problem saying why, for an unreadable table or
    // a file that cannot be written. A saved new table becomes a File table.
    bool save(Vdn_String& problem);
    // Gives the table a new name. In use (names holds it, or such a file exists, without
    // regard to case, other than the table itself) or a bad name (empty, folders) are refused.
    // The table is written under the new name first; only then is the old file deleted (for
    // a change of case only, the one file is written and respelled). Renamed with a problem
    // when the old file could not be deleted.
    RenameResult rename(const Vdn_String& newName, const Vdn_StringArray& names,
                        Vdn_String& problem);
    // Deletes the table's file (a new table has none) and closes the table.
    bool remove();

private:
    Vdn_String name_;
    Source source_ = Source::None;
    Vdn_ProfValuesTable table_;
};
