#include "spreadsheet/functions/LookupTable.h"

#include "platform/core/files/PathBoundary.h"
#include "platform/core/files/TextFileHelpers.h"
#include "platform/core/sections/Vdn_SectionTableManager.h"
#include "platform/core/text/StringHelpers.h"
#include "spreadsheet/functions/DataFileSearch.h"
#include "spreadsheet/functions/FunctionProblem.h"
#include "spreadsheet/functions/ParsedFileCache.h"

#include <vector>

namespace ss {

// The rows, and the line of the file (from 1) that each row was read from, for messages.
struct LookupRows {
    Vdn_Array<Vdn_StringArray> fields;
    std::vector<int> lines;
};

namespace {

constexpr std::size_t kCachedTables = 64;

ParsedFileCache<LookupRows>& tableCache() {
    static ParsedFileCache<LookupRows> cache(kCachedTables);
    return cache;
}

Vdn_String quoted(const Vdn_String& text) {
    return L"\"" + text + L"\"";
}

// A file name as messages show it: one kind of separator, that of the system.
Vdn_String shownName(const Vdn_String& name) {
    return quoted(core::fromNativePath(core::toNativePath(name)));
}

// The rows of a table file; nullopt when it cannot be read or holds no rows, with what is
// wrong with the file in problem.
std::optional<LookupRows> readRows(const Vdn_String& file, Vdn_String& problem) {
    Vdn_StringArray lines;
    if (!ObjectExportReadFile(file, lines)) {
        problem = L"cannot be read";
        return std::nullopt;
    }
    LookupRows rows;
    for (int i = 0; i < lines.length(); ++i) {
        const Vdn_String text = removeLineComment(lines[i]);
        if (text.isEmpty())
            continue;
        rows.fields.append(strToArr(text, L'\t'));
        rows.lines.push_back(i + 1);
    }
    if (rows.fields.isEmpty()) {
        problem = L"holds no rows";
        return std::nullopt;
    }
    return rows;
}

} // namespace

std::optional<LookupTable> LookupTable::read(const Vdn_String& name) {
    const std::optional<DataFile> file = locateDataFile(name);
    if (!file) {
        noteFunctionProblem(L"the data table " + shownName(name) + L" cannot be found");
        return std::nullopt;
    }
    // Also when the file is gone by the time the cache looks at it.
    Vdn_String problem = L"cannot be read";
    std::shared_ptr<const LookupRows> rows =
        tableCache().get(file->path, [&file, &problem](const std::filesystem::path&) {
            return readRows(file->name, problem);
        });
    const Vdn_String shown = shownName(file->name);
    if (!rows) {
        noteFunctionProblem(L"the data table " + shown + L" " + problem);
        return std::nullopt;
    }
    return LookupTable(std::move(rows), shown);
}

std::optional<Vdn_String> LookupTable::answer(const Vdn_String& key, bool profileKeys) const {
    const Vdn_Array<Vdn_StringArray>& rows = rows_->fields;
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
    if (index < 0) {
        noteFunctionProblem(L"the data table " + shownName_ + L" has no row with the key " +
                            quoted(key));
        return std::nullopt;
    }
    if (rows[index].length() < 2) {
        noteFunctionProblem(L"the data table " + shownName_ + L" is damaged: line " +
                            Vdn_String(rows_->lines[static_cast<std::size_t>(index)]) +
                            L" has no answer after the key " + quoted(rows[index][0]));
        return std::nullopt;
    }
    return rows[index][1];
}

void clearLookupTableCache() {
    tableCache().clear();
}

} // namespace ss
