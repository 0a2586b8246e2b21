#include "platform/core/model/BoltCatalog.h"

#include "platform/core/files/TextFileHelpers.h"
#include "platform/core/model/MacroData.h"
#include "platform/core/model/Vdn_Drawing.h"
#include "platform/core/settings/Vdn_Settings.h"
#include "platform/core/text/StringHelpers.h"

#include <optional>
#include <utility>
#include <vector>

namespace {

std::vector<std::pair<Vdn_String, Vdn_StringArray>> readCatalog() {
    std::vector<std::pair<Vdn_String, Vdn_StringArray>> catalog;
    const std::optional<std::wstring> text = core::readTextFile(gSettings.libDir() + L"bolts.txt");
    if (!text)
        return catalog;
    for (const Vdn_String& line : strToArr(Vdn_String(*text).replace(L"\r", L""), L'\n')) {
        if (line.trim().isEmpty() || line.startsWith(L"#", true))
            continue;
        const Vdn_StringArray fields = strToArr(line, L'\t');
        Vdn_StringArray diameters;
        if (fields.length() > 1) {
            for (const Vdn_String& diameter : strToArr(fields[1], L';')) {
                if (!diameter.trim().isEmpty())
                    diameters.append(diameter.trim());
            }
        }
        catalog.emplace_back(fields[0].trim(), diameters);
    }
    return catalog;
}

void appendOnce(Vdn_StringArray& list, const Vdn_String& text) {
    if (!list.contains(text, false))
        list.append(text);
}

} // namespace

Vdn_StringArray GetAssemblies() {
    Vdn_StringArray assemblies;
    for (const auto& [assembly, diameters] : readCatalog())
        assemblies.append(assembly);
    return assemblies;
}

Vdn_StringArray GetDiameters(const Vdn_String& assembly) {
    for (const auto& [name, diameters] : readCatalog()) {
        if (name.equal(assembly, false))
            return diameters;
    }
    return {};
}

Vdn_StringArray GetMergedDiameters(const MacroData& data, const Vdn_String& tabName) {
    std::optional<Vdn_StringArray> merged;
    for (int i = 0; i < data.objectIds.length(); ++i) {
        const Vdn_DbMacro* macro = Vdn_Drawing::current().macro(data.objectIds[i]);
        if (!macro)
            continue;
        for (const Vdn_Module& module : macro->modules) {
            if (!module.isBoltModule() || !module.tabName().equal(tabName, false) ||
                module.boltData.assembly.isEmpty())
                continue;
            const Vdn_StringArray diameters = GetDiameters(module.boltData.assembly);
            if (!merged) {
                merged = diameters;
                continue;
            }
            Vdn_StringArray shared;
            for (const Vdn_String& diameter : *merged) {
                if (diameters.contains(diameter, false))
                    shared.append(diameter);
            }
            merged = shared;
        }
    }
    if (merged)
        return *merged;
    Vdn_StringArray all;
    for (const auto& [assembly, diameters] : readCatalog()) {
        for (const Vdn_String& diameter : diameters)
            appendOnce(all, diameter);
    }
    return all;
}
