#include "spreadsheet/standards/TfSSMapping.h"

#include "platform/core/model/Vdn_DbMacro.h"
#include "spreadsheet/standards/ModuleValueAccess.h"
#include "spreadsheet/standards/NameConventionAccess.h"
#include "spreadsheet/standards/TfDlgStandardsData.h"

#include <vector>

// --- set-up ----------------------------------------------------------------------------------

Acad::ErrorStatus TfSSMapping::initFromMacro(TfDlgStandardsData& data) {
    if (data.dbMacro == nullptr || !data.moduleGroup.isEmpty())
        return Acad::eInvalidInput;
    mode_ = kMappingList;
    entries_.clear();
    return getMappingFromFile(data.fileName, data.macroName);
}

Acad::ErrorStatus TfSSMapping::initFromModuleGroup(Vdn_String group) {
    if (group.isEmpty())
        return Acad::eInvalidInput;
    mode_ = kModuleGroup;
    entries_.clear();
    return Acad::eOk;
}

// --- values ----------------------------------------------------------------------------------

Acad::ErrorStatus TfSSMapping::getMacroVarValue(const Vdn_String& ssName, const TfValueType& type,
                                                Vdn_String& value, TfDlgStandardsData& data) {
    if (mode_ == kModuleGroup)
        return accessModuleGroup(ssName, type, value, data, false);
    int index = -1;
    if (data.dbMacro == nullptr || findSSVar(ssName, type, index) != Acad::eOk)
        return Acad::eInvalidInput;
    return entries_[index].getMacroVarValue(data.dbMacro, data.macroData, value, data.transaction);
}

Acad::ErrorStatus TfSSMapping::setMacroVarValue(const Vdn_String& ssName, const TfValueType& type,
                                                const Vdn_String& value, TfDlgStandardsData& data) {
    if (mode_ == kModuleGroup) {
        Vdn_String text = value;
        return accessModuleGroup(ssName, type, text, data, true);
    }
    int index = -1;
    if (data.dbMacro == nullptr || findSSVar(ssName, type, index) != Acad::eOk)
        return Acad::eInvalidInput;
    return entries_[index].setMacroVarValue(data.dbMacro, data.macroData, value, data.transaction);
}

Acad::ErrorStatus TfSSMapping::accessModuleGroup(const Vdn_String& ssName, TfValueType type,
                                                 Vdn_String& value, TfDlgStandardsData& data,
                                                 bool set) {
    Vdn_StringArray moduleNames;
    if (data.dbMacro == nullptr ||
        data.dbMacro->getModNamesOfGroup(data.moduleGroup, moduleNames) != Acad::eOk)
        return Acad::eInvalidInput;
    // Reading stops at the first module that knows the name; writing goes to every module.
    bool anyDone = false;
    for (const Vdn_String& moduleName : moduleNames) {
        ss::ModuleValueAccess module(*data.dbMacro, data.macroData, moduleName);
        if (!module.isOpen())
            continue;
        Vdn_String text = set ? value : Vdn_String();
        if (ss::NameConventionAccess::access(*data.dbMacro, module, ssName, type, text, set) !=
            Acad::eOk)
            continue;
        if (!set) {
            value = text;
            return Acad::eOk;
        }
        anyDone = true;
    }
    return anyDone ? Acad::eOk : Acad::eInvalidInput;
}

// --- entries ---------------------------------------------------------------------------------

Acad::ErrorStatus TfSSMapping::findSSVar(const Vdn_String& ssName, const TfValueType& type,
                                         int& index) const {
    for (int i = 0; i < entries_.length(); ++i) {
        const TfObjectMap& entry = entries_[i];
        if (entry.ssName.equal(ssName, false) && entry.valueType() == type) {
            index = i;
            return Acad::eOk;
        }
    }
    return Acad::eInvalidInput;
}

Acad::ErrorStatus TfSSMapping::getValidVars(const bool&, const TfValueType& type,
                                            AcArray<int>& indexes) const {
    indexes.removeAll();
    const bool numeric = isNumericValueType(type);
    for (int i = 0; i < entries_.length(); ++i) {
        const std::optional<TfValueType> entryType = entries_[i].valueType();
        if (entryType && isNumericValueType(*entryType) == numeric)
            indexes.append(i);
    }
    return Acad::eOk;
}

Acad::ErrorStatus TfSSMapping::sortValidVars(AcArray<int>& indexes,
                                             const AcArray<int>& categoryOrder) const {
    if (categoryOrder.isEmpty()) {
        indexes.removeAll();
        return Acad::eInvalidInput;
    }
    const int lastGroup = categoryOrder.length() - 1;
    std::vector<AcArray<int>> groups(static_cast<std::size_t>(categoryOrder.length()));
    for (int i = 0; i < indexes.length(); ++i) {
        const int index = indexes[i];
        if (!entries_.isValidIndex(index))
            continue;
        int group = lastGroup;
        categoryOrder.find(entries_[index].category, group);
        groups[static_cast<std::size_t>(group)].append(index);
    }
    indexes.removeAll();
    for (const AcArray<int>& group : groups) {
        indexes.append(-1);
        indexes.append(group);
    }
    return Acad::eOk;
}

Acad::ErrorStatus TfSSMapping::findCompatible(const TfObjectMap& entry, int& index) const {
    for (int i = 0; i < entries_.length(); ++i) {
        if (entries_[i].isCompatible(entry) == Acad::eOk) {
            index = i;
            return Acad::eOk;
        }
    }
    return Acad::eInvalidInput;
}

Acad::ErrorStatus TfSSMapping::isCompatible(const TfSSMapping& other, int& count) const {
    count = 0;
    int index = -1;
    for (const TfObjectMap& entry : entries_) {
        if (other.findCompatible(entry, index) != Acad::eOk)
            ++count;
    }
    return Acad::eOk;
}

bool TfSSMapping::isEqual(const TfSSMapping& other) const {
    for (const TfObjectMap& entry : entries_) {
        const std::optional<TfValueType> type = entry.valueType();
        int index = -1;
        if (!type || other.findSSVar(entry.ssName, *type, index) != Acad::eOk ||
            other.entries_[index].isCompatible(entry) != Acad::eOk)
            return false;
    }
    return true;
}

bool TfSSMapping::isSameAs(const TfSSMapping& other) const {
    return isEqual(other) && other.isEqual(*this);
}
