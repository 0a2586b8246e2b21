// Building the list of every mappable value of a macro, from which the macro settings dialog
// lets the user pick one entry per sheet variable.

#include "platform/core/model/Vdn_DbMacro.h"
#include "platform/core/sections/Vdn_SectionTableManager.h"
#include "spreadsheet/standards/MappingKinds.h"
#include "spreadsheet/standards/TfSSMapping.h"

#include <vector>

namespace {

using K = ss::MappingKinds;

TfObjectMap makeEntry(const Vdn_String& objectName, const Vdn_String& name, int kind,
                      int category) {
    TfObjectMap entry;
    entry.objectName = objectName;
    entry.name = name;
    entry.kind = kind;
    entry.category = category;
    return entry;
}

int variableCategory(bool shown, bool settable) {
    if (shown)
        return settable ? TfObjectMap::kVisibleSettable : TfObjectMap::kVisibleNotSettable;
    return settable ? TfObjectMap::kHiddenSettable : TfObjectMap::kHiddenNotSettable;
}

void appendModuleEntries(const Vdn_Module& module, Vdn_Array<TfObjectMap>& entries) {
    const Vdn_String& objectName = module.tabName();
    const int visible = TfObjectMap::kVisibleSettable;

    Vdn_StringArray names;
    std::vector<bool> shown;
    std::vector<bool> settable;
    if (module.getDialogVariables(names, shown, settable) == Acad::eOk &&
        shown.size() >= static_cast<std::size_t>(names.length()) &&
        settable.size() >= static_cast<std::size_t>(names.length())) {
        for (int i = 0; i < names.length(); ++i) {
            const auto at = static_cast<std::size_t>(i);
            entries.append(makeEntry(objectName, names[i], K::kDistance,
                                     variableCategory(shown[at], settable[at])));
        }
    }

    Vdn_StringArray cutNames;
    module.getCutConstraints(cutNames);
    for (const Vdn_String& cutName : cutNames) {
        const Vdn_CutConstraint* cut = nullptr;
        Vdn_Array<int> offsetTypes;
        if (module.getCutConstraint(cutName, cut) != Acad::eOk ||
            cut->getCutOffsets(offsetTypes) != Acad::eOk)
            continue;
        for (const int offsetType : offsetTypes)
            entries.append(makeEntry(objectName, cutName, K::kCutOffset + offsetType, visible));
    }

    if (module.isBoltModule()) {
        entries.append(makeEntry(objectName, {}, K::kBoltsDiameter, visible));
        entries.append(makeEntry(objectName, {}, K::kBoltsHoleOffset, visible));
        Vdn_Array<int> ids;
        module.getPatternIds(ids);
        for (const int id : ids) {
            const Vdn_BoltPattern* pattern = nullptr;
            if (module.getPattern(id, pattern) != Acad::eOk)
                continue;
            entries.append(makeEntry(objectName, pattern->name, K::kPatternNrBolts1, visible));
            entries.append(makeEntry(objectName, pattern->name, K::kPatternReverseStart1, visible));
            if (pattern->typeCode == 282) {
                entries.append(makeEntry(objectName, pattern->name, K::kPatternNrBolts2, visible));
                entries.append(
                    makeEntry(objectName, pattern->name, K::kPatternReverseStart2, visible));
            }
        }
    }

    if (module.kind == Vdn_Module::Kind::Profile) {
        for (const Vdn_ProfilePlacement& placement : module.profiles) {
            if (!placement.name.isEmpty())
                entries.append(makeEntry(objectName, placement.name, K::kOwnedMemberName, visible));
        }
    }
}

void appendBaseProfileEntries(const Vdn_DbMacro& macro, Vdn_Array<TfObjectMap>& entries) {
    Vdn_Array<int> ids;
    macro.mapBaseProfIds(ids);
    for (const int id : ids) {
        const Vdn_String name = Vdn_String(L"Prof") + Vdn_String(id);
        // Read-only values keep the default category (not settable).
        const int category = TfObjectMap().category;
        entries.append(makeEntry({}, name, K::kPrPlName, category));
        entries.append(makeEntry({}, name, K::kPrPlMaterial, category));

        const Vdn_BaseProfile* profile = nullptr;
        Vdn_String section;
        Vdn_StringArray columns;
        if (macro.getBaseProf(id, profile) != Acad::eOk ||
            profile->getSectionName(section) != Acad::eOk ||
            !gSectionTables.getSectionColumnNames(section, columns))
            continue;
        for (int column = 0; column < columns.length(); ++column) {
            TfObjectMap entry =
                makeEntry({}, name + L';' + Vdn_String(column), K::kMemberSectionSize, category);
            entry.description = columns[column];
            entries.append(entry);
        }
    }
}

} // namespace

Acad::ErrorStatus TfSSMapping::initAllVarsFromMacro(Vdn_DbMacro* macro, AcTransaction*) {
    if (macro == nullptr)
        return Acad::eInvalidInput;
    for (const Vdn_String& moduleName : macro->getModuleNames()) {
        const Vdn_Module* module = nullptr;
        if (static_cast<const Vdn_DbMacro*>(macro)->openModule(moduleName, module) == Acad::eOk)
            appendModuleEntries(*module, entries_);
    }
    appendBaseProfileEntries(*macro, entries_);

    Vdn_StringArray names;
    Vdn_StringArray values;
    macro->getGeneralVariables(names, values);
    for (const Vdn_String& name : names)
        entries_.append(makeEntry({}, name, K::kGenVar, TfObjectMap::kVisibleSettable));
    return Acad::eOk;
}
