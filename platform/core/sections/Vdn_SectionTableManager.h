#pragma once

#include "platform/core/sections/SectionCatalog.h"
#include "platform/core/settings/AcadErrorStatus.h"

// The core module's section tables (gSectionTables): every table file of the library's
// "prof\" folder, and the tables handed over by the section-library editor.
//
// The tables of gSettings.libDir() are read on first use, and read again when the library
// folder has changed since (which drops tables added meanwhile: they belonged to the other
// library). A file that cannot be used is left out and reported in diagnostics().
//
// Table files (".pr", see docs/section-tables.md) hold rows of texts: a row holding the
// template name, a row of column names, then one row per section size in the layout
// system name, active flag ("1"/"0"), one user name per language, values. The tables held
// here lack the active-flag column (core::SectionTable).
class Vdn_SectionTableManager {
public:
    // Reads a table file: tableName is the file's name without folder and ".pr"; rows are all
    // rows of the file, as written. False when the file cannot be read or is damaged; problem
    // (optional) then says why, and tableName and rows are left unchanged.
    static bool readFile(const Vdn_String& path, Vdn_String& tableName,
                         Vdn_Array<Vdn_StringArray>& rows, Vdn_String* problem = nullptr);
    // Writes rows as a table file; false when the file cannot be written.
    static bool writeFile(const Vdn_String& path, const Vdn_Array<Vdn_StringArray>& rows);

    // Table names compare case-insensitively and without ".pr" ("HEA.pr" is "hea").
    bool hasTable(const Vdn_String& name);
    bool removeTable(const Vdn_String& name);
    // Registers a table in the held layout (no active-flag column). eInvalidInput for an empty
    // name, a name already held (remove it first) or column names that lack the system-name
    // and language columns.
    Acad::ErrorStatus addSectionTable(const Vdn_String& name, const Vdn_String& templateName,
                                      const Vdn_StringArray& columnNames,
                                      const Vdn_Array<Vdn_StringArray>& rows);

    // The section named by its system name ("HEA-200"), a user name in any language ("HE200A")
    // or either written loosely ("hea 200"); see core::SectionCatalog.
    bool getSystemName(const Vdn_String& name, Vdn_String& systemName);
    // The section's user name in the work language (gSettings.workLanguage()).
    bool getUserName(const Vdn_String& name, Vdn_String& userName);
    // The text of the section's value column index, counted from 0 over the value columns.
    bool getSectionValue(const Vdn_String& name, int index, Vdn_String& value);
    // The names of the value columns of the section's table.
    bool getSectionColumnNames(const Vdn_String& name, Vdn_StringArray& columnNames);

    // Problems of the files read at the last load ("<file>: line 3: unknown escape ...").
    const Vdn_StringArray& diagnostics();
    // Forgets every table; the next use reads the library folder again.
    void reload();

private:
    void ensureLoaded();
    void loadLibrary(const Vdn_String& libDir);
    void loadTableFile(const Vdn_String& path);

    core::SectionCatalog catalog_;
    Vdn_StringArray diagnostics_;
    bool loaded_ = false;
    Vdn_String loadedLibDir_;
};

extern Vdn_SectionTableManager gSectionTables;
