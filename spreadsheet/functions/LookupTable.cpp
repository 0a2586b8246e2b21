#include "spreadsheet/functions/LookupTable.h"

#include "platform/core/files/TextFileHelpers.h"
#include "platform/core/sections/Vdn_SectionTableManager.h"
#include "platform/core/text/StringHelpers.h"
#include "spreadsheet/functions/DataFileSearch.h"
#include "spreadsheet/functions/ParsedFileCache.h"

namespace ss {

namespace {

constexpr std::size_t kCachedTables = 64;

ParsedFileCache<Vdn_Array<Vdn_StringArray>>& tableCache() {
    static ParsedFileCache<Vdn_Array<Vdn_StringArray>> cache(kCachedTables);
    return cache;
}

// The rows of a table file; nullopt when it cannot be read or holds no rows.
std::optional<Vdn_Array<Vdn_StringArray>> readRows(const Vdn_String& file) {
    Vdn_StringArray lines;
    if (!ObjectExportReadFile(file, lines))
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
    return rows;
}

} // namespace

std::optional<LookupTable> LookupTable::read(const Vdn_String& name) {
    const std::optional<DataFile> file = locateDataFile(name);
    if (!file)
        return std::nullopt;
    std::shared_ptr<const Rows> rows = tableCache().get(
        file->path, [&file](const std::filesystem::path&) { return readRows(file->name); });
    if (!rows)
        return std::nullopt;
    return LookupTable(std::move(rows));
}

std::optional<Vdn_String> LookupTable::answer(const Vdn_String& key, bool profileKeys) const {
    const Rows& rows = *rows_;
    int index = -1;
    for (int i = 0; i < rows.length() && index < 0; ++i) {
        const Vdn_StringArray& row = rows[i];
        if (row.isEmpty())
            break;
        if (!profileKeys) {
            if (row[0].equal(key, false))
                index = i;
            continue;
        }
        Vdn_String systemName;
        const bool converted = gSectionTables.getSystemName(row[0], systemName);
        if ((converted ? systemName : row[0]).equal(key, false))
            index = i;
    }
    if (index < 0 || rows[index].length() < 2)
        return std::nullopt;
    return rows[index][1];
}

void clearLookupTableCache() {
    tableCache().clear();
}

} // namespace ss
