#pragma once

#include "platform/core/sections/SectionTable.h"

#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

namespace core {

// The section tables of a library and the names by which their sections are found.
//
// A section is found by (in this order, each case-insensitively):
//  1. its system name, table name + "-" + row system name ("HEA-200");
//  2. one of its user names, in any language ("HE200A");
//  3. either of those with blanks, '-' and '_' left out ("hea 200", "HE-200-A").
// Where two sections answer to the same name, the table first in name order wins, and within a
// table the earlier row.
class SectionCatalog {
public:
    // Table names compare case-insensitively and without a trailing ".pr".
    bool hasTable(const Vdn_String& name) const;
    bool removeTable(const Vdn_String& name);
    // False for an empty name, a name already in use or column names that lack the language
    // columns. The table's name is stored without ".pr".
    bool addTable(SectionTable table);
    void clear();

    // The full system name of the section that name finds.
    bool getSystemName(const Vdn_String& name, Vdn_String& systemName) const;
    // The section's user name in a work language; false when the table has no column for it
    // or the name there is empty.
    bool getUserName(const Vdn_String& name, int workLanguage, Vdn_String& userName) const;
    // The text of the section's value column index (0 is the first value column).
    bool getSectionValue(const Vdn_String& name, int index, Vdn_String& value) const;
    // The names of the value columns of the section's table.
    bool getSectionColumnNames(const Vdn_String& name, Vdn_StringArray& columnNames) const;

private:
    struct Location {
        int table = 0;
        int row = 0;
    };

    std::optional<Location> find(const Vdn_String& name) const;
    const SectionTable& table(int index) const { return tables_[static_cast<std::size_t>(index)]; }
    int tableCount() const { return static_cast<int>(tables_.size()); }
    void rebuildIndex();

    // The table name as compared: without ".pr", lower case.
    static std::wstring tableKey(const Vdn_String& name);
    // A name as compared loosely: lower case, without blanks, '-' and '_'.
    static std::wstring looseKey(const Vdn_String& name);

    std::vector<SectionTable> tables_; // in tableKey order
    std::unordered_map<std::wstring, Location> bySystemName_;
    std::unordered_map<std::wstring, Location> byUserName_;
    std::unordered_map<std::wstring, Location> byLooseName_;
};

} // namespace core
