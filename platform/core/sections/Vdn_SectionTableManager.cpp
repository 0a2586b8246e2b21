#include "platform/core/sections/Vdn_SectionTableManager.h"

#include "platform/core/files/PathBoundary.h"
#include "platform/core/files/TextFileHelpers.h"
#include "platform/core/sections/SectionTableFormat.h"
#include "platform/core/settings/Vdn_Settings.h"
#include "platform/core/text/CharCase.h"
#include "platform/core/text/StringHelpers.h"

Vdn_SectionTableManager gSectionTables;

namespace {

// The file's name without its folder and without ".pr".
Vdn_String tableNameOf(const Vdn_String& path) {
    const std::wstring& s = path.str();
    const std::size_t slash = s.find_last_of(L"\\/");
    Vdn_String name(slash == std::wstring::npos ? s : s.substr(slash + 1));
    const int stem = name.length() - 3;
    if (stem >= 0 && core::equalNoCase(name.substr(stem).str(), L".pr"))
        name = name.substr(0, stem);
    return name;
}

// The row without the active-flag column (position 1).
Vdn_StringArray withoutFlag(const Vdn_StringArray& row) {
    Vdn_StringArray out = row;
    out.removeAt(1);
    return out;
}

} // namespace

bool Vdn_SectionTableManager::readFile(const Vdn_String& path, Vdn_String& tableName,
                                       Vdn_Array<Vdn_StringArray>& rows, Vdn_String* problem) {
    Vdn_StringArray lines;
    if (!ObjectExportReadFile(path, lines)) {
        if (problem)
            *problem = L"cannot be read";
        return false;
    }
    Vdn_String why;
    if (!core::parseSectionTableLines(lines, rows, why)) {
        if (problem)
            *problem = why;
        return false;
    }
    tableName = tableNameOf(path);
    return true;
}

bool Vdn_SectionTableManager::writeFile(const Vdn_String& path,
                                        const Vdn_Array<Vdn_StringArray>& rows) {
    return ObjectExportWriteFile(path, core::sectionTableLines(rows));
}

bool Vdn_SectionTableManager::hasTable(const Vdn_String& name) {
    ensureLoaded();
    return catalog_.hasTable(name);
}

bool Vdn_SectionTableManager::removeTable(const Vdn_String& name) {
    ensureLoaded();
    return catalog_.removeTable(name);
}

Acad::ErrorStatus Vdn_SectionTableManager::addSectionTable(const Vdn_String& name,
                                                           const Vdn_String& templateName,
                                                           const Vdn_StringArray& columnNames,
                                                           const Vdn_Array<Vdn_StringArray>& rows) {
    ensureLoaded();
    core::SectionTable table{name, templateName, columnNames, rows};
    return catalog_.addTable(std::move(table)) ? Acad::eOk : Acad::eInvalidInput;
}

bool Vdn_SectionTableManager::getSystemName(const Vdn_String& name, Vdn_String& systemName) {
    ensureLoaded();
    return catalog_.getSystemName(name, systemName);
}

bool Vdn_SectionTableManager::getUserName(const Vdn_String& name, Vdn_String& userName) {
    ensureLoaded();
    return catalog_.getUserName(name, gSettings.workLanguage(), userName);
}

bool Vdn_SectionTableManager::getSectionValue(const Vdn_String& name, int index,
                                              Vdn_String& value) {
    ensureLoaded();
    return catalog_.getSectionValue(name, index, value);
}

bool Vdn_SectionTableManager::getSectionColumnNames(const Vdn_String& name,
                                                    Vdn_StringArray& columnNames) {
    ensureLoaded();
    return catalog_.getSectionColumnNames(name, columnNames);
}

const Vdn_StringArray& Vdn_SectionTableManager::diagnostics() {
    ensureLoaded();
    return diagnostics_;
}

void Vdn_SectionTableManager::reload() {
    catalog_.clear();
    diagnostics_.clear();
    loaded_ = false;
    loadedLibDir_ = Vdn_String();
}

void Vdn_SectionTableManager::ensureLoaded() {
    if (loaded_ && loadedLibDir_ == gSettings.libDir())
        return;
    loadLibrary(gSettings.libDir());
}

void Vdn_SectionTableManager::loadLibrary(const Vdn_String& libDir) {
    reload();
    loaded_ = true;
    loadedLibDir_ = libDir;
    for (const auto& file : core::findMatching(libDir + L"prof\\*.pr"))
        loadTableFile(core::fromNativePath(file));
}

void Vdn_SectionTableManager::loadTableFile(const Vdn_String& path) {
    Vdn_String tableName;
    Vdn_Array<Vdn_StringArray> rows;
    Vdn_String problem;
    if (!readFile(path, tableName, rows, &problem)) {
        diagnostics_.append(path + L": " + problem);
        return;
    }
    if (rows.length() < 2) {
        diagnostics_.append(path + L": no row of column names");
        return;
    }
    core::SectionTable table;
    table.name = tableName;
    table.templateName = rows[0].isEmpty() ? Vdn_String() : rows[0][0];
    table.columnNames = withoutFlag(rows[1]);
    for (int i = 2; i < rows.length(); ++i)
        table.rows.append(withoutFlag(rows[i]));

    Vdn_StringArray systemNames;
    for (const Vdn_StringArray& row : table.rows) {
        if (!row.isEmpty() && !row[0].isEmpty())
            systemNames.append(row[0]);
    }
    Vdn_StringArray duplicates;
    if (hasDuplicates(systemNames, false, duplicates))
        diagnostics_.append(path + L": system names given twice (the first row counts): " +
                            arrToStr(duplicates, L','));
    if (!table.hasLanguageColumns()) {
        diagnostics_.append(path + L": the columns stop before the last language column");
        return;
    }
    if (!catalog_.addTable(std::move(table)))
        diagnostics_.append(path + L": a table named \"" + tableName + L"\" was read already");
}
