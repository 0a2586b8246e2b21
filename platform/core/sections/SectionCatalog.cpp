#include "platform/core/sections/SectionCatalog.h"

#include "platform/core/text/CharCase.h"

#include <algorithm>

namespace core {

namespace {

std::wstring folded(std::wstring_view text) {
    std::wstring out(text);
    for (wchar_t& ch : out)
        ch = toLowerChar(ch);
    return out;
}

} // namespace

std::wstring SectionCatalog::tableKey(const Vdn_String& name) {
    std::wstring key = folded(name.str());
    if (key.size() >= 3 && key.ends_with(L".pr"))
        key.resize(key.size() - 3);
    return key;
}

std::wstring SectionCatalog::looseKey(const Vdn_String& name) {
    std::wstring key;
    for (const wchar_t ch : name.str()) {
        if (ch != L' ' && ch != L'\t' && ch != L'-' && ch != L'_')
            key += toLowerChar(ch);
    }
    return key;
}

bool SectionCatalog::hasTable(const Vdn_String& name) const {
    const std::wstring key = tableKey(name);
    return std::any_of(tables_.begin(), tables_.end(),
                       [&](const SectionTable& t) { return tableKey(t.name) == key; });
}

bool SectionCatalog::removeTable(const Vdn_String& name) {
    const std::wstring key = tableKey(name);
    const auto it = std::find_if(tables_.begin(), tables_.end(),
                                 [&](const SectionTable& t) { return tableKey(t.name) == key; });
    if (it == tables_.end())
        return false;
    tables_.erase(it);
    rebuildIndex();
    return true;
}

bool SectionCatalog::addTable(SectionTable table) {
    const std::wstring key = tableKey(table.name);
    if (key.empty() || hasTable(table.name) || !table.hasLanguageColumns())
        return false;
    // The stored name keeps the caller's spelling, without the extension.
    table.name = table.name.substr(0, static_cast<int>(key.size()));
    const auto at = std::find_if(tables_.begin(), tables_.end(),
                                 [&](const SectionTable& t) { return key < tableKey(t.name); });
    tables_.insert(at, std::move(table));
    rebuildIndex();
    return true;
}

void SectionCatalog::clear() {
    tables_.clear();
    rebuildIndex();
}

void SectionCatalog::rebuildIndex() {
    bySystemName_.clear();
    byUserName_.clear();
    byLooseName_.clear();
    // Strict names first, so that a loose match never shadows a strict one of another table.
    for (int t = 0; t < tableCount(); ++t) {
        const SectionTable& table = tables_[static_cast<std::size_t>(t)];
        for (int r = 0; r < table.rows.length(); ++r) {
            const Vdn_String systemName = table.systemName(r);
            if (!systemName.isEmpty())
                bySystemName_.emplace(folded(systemName.str()), Location{t, r});
        }
    }
    for (int t = 0; t < tableCount(); ++t) {
        const SectionTable& table = tables_[static_cast<std::size_t>(t)];
        const int languageEnd = table.firstValueColumn();
        for (int r = 0; r < table.rows.length(); ++r) {
            const Vdn_StringArray& row = table.rows[r];
            if (table.systemName(r).isEmpty())
                continue;
            for (int c = 1; c < languageEnd && c < row.length(); ++c) {
                if (!row[c].isEmpty())
                    byUserName_.emplace(folded(row[c].str()), Location{t, r});
            }
        }
    }
    for (const auto* index : {&bySystemName_, &byUserName_}) {
        for (const auto& [key, location] : *index) {
            const std::wstring loose = looseKey(Vdn_String(key));
            auto [it, added] = byLooseName_.emplace(loose, location);
            // Keep the first section in catalog order whatever order the hash map yields.
            if (!added && (location.table < it->second.table ||
                           (location.table == it->second.table && location.row < it->second.row)))
                it->second = location;
        }
    }
}

std::optional<SectionCatalog::Location> SectionCatalog::find(const Vdn_String& name) const {
    if (name.isEmpty())
        return std::nullopt;
    const std::wstring key = folded(name.str());
    if (const auto it = bySystemName_.find(key); it != bySystemName_.end())
        return it->second;
    if (const auto it = byUserName_.find(key); it != byUserName_.end())
        return it->second;
    const std::wstring loose = looseKey(name);
    if (const auto it = byLooseName_.find(loose); !loose.empty() && it != byLooseName_.end())
        return it->second;
    return std::nullopt;
}

bool SectionCatalog::getSystemName(const Vdn_String& name, Vdn_String& systemName) const {
    const std::optional<Location> at = find(name);
    if (!at)
        return false;
    systemName = table(at->table).systemName(at->row);
    return true;
}

bool SectionCatalog::getUserName(const Vdn_String& name, int workLanguage,
                                 Vdn_String& userName) const {
    const std::optional<Location> at = find(name);
    if (!at)
        return false;
    const SectionTable& t = table(at->table);
    const int column = t.languageColumn(workLanguage);
    const Vdn_StringArray& row = t.rows[at->row];
    if (column < 0 || column >= row.length() || row[column].isEmpty())
        return false;
    userName = row[column];
    return true;
}

bool SectionCatalog::getSectionValue(const Vdn_String& name, int index, Vdn_String& value) const {
    const std::optional<Location> at = find(name);
    if (!at || index < 0)
        return false;
    const SectionTable& t = table(at->table);
    const int column = t.firstValueColumn() + index;
    const Vdn_StringArray& row = t.rows[at->row];
    if (column >= t.columnNames.length() || column >= row.length())
        return false;
    value = row[column];
    return true;
}

bool SectionCatalog::getSectionColumnNames(const Vdn_String& name,
                                           Vdn_StringArray& columnNames) const {
    const std::optional<Location> at = find(name);
    if (!at)
        return false;
    columnNames = table(at->table).valueColumnNames();
    return true;
}

} // namespace core
