#include "spreadsheet/functions/LookupTable.h"

#include "platform/core/StringHelpers.h"
#include "platform/core/TextFileHelpers.h"
#include "platform/core/Vdn_SectionTableManager.h"
#include "spreadsheet/functions/DataFileSearch.h"

namespace ss {

std::optional<LookupTable> LookupTable::read(const Vdn_String& name) {
    const std::optional<Vdn_String> path = findDataFile(name);
    Vdn_StringArray lines;
    if (!path || !ObjectExportReadFile(*path, lines))
        return std::nullopt;
    Vdn_StringArray kept;
    for (const Vdn_String& line : lines) {
        Vdn_String text = removeLineComment(line);
        if (!text.isEmpty())
            kept.append(std::move(text));
    }
    Vdn_Array<Vdn_StringArray> rows = arrToArrArr(kept, L'\t');
    if (rows.isEmpty())
        return std::nullopt;
    return LookupTable(std::move(rows));
}

std::optional<Vdn_String> LookupTable::answer(const Vdn_String& key, bool profileKeys) const {
    Vdn_StringArray keys;
    for (const Vdn_StringArray& row : mRows) {
        if (row.isEmpty())
            break;
        Vdn_String tableKey = row[0];
        if (profileKeys) {
            Vdn_String systemName;
            if (gSectionTables.getSystemName(tableKey, systemName))
                tableKey = systemName;
        }
        keys.append(std::move(tableKey));
    }
    const int index = keys.find(key, false);
    if (index < 0 || mRows[index].length() < 2)
        return std::nullopt;
    return mRows[index][1];
}

} // namespace ss
