#include "platform/core/model/DynArrayData.h"

#include "platform/core/model/Vdn_Drawing.h"
#include "platform/core/text/NamedItems.h"
#include "platform/core/text/StringHelpers.h"

namespace {

void addNumericVariables(const Vdn_Module& module, Vdn_StringArray& names) {
    for (const Vdn_ConstraintVariable& variable : module.variables) {
        if (variable.shown && isNumber(variable.value) && !names.contains(variable.name, false))
            names.append(variable.name);
    }
}

} // namespace

void DynArrayData::getValidDimNames(const AcArray<AcDbObjectId>& ids, const Vdn_String& arrayName,
                                    int, Vdn_StringArray& names) {
    names.clear();
    const Vdn_DbMacro* macro = nullptr;
    for (int i = 0; !macro && i < ids.length(); ++i)
        macro = Vdn_Drawing::current().macro(ids[i]);
    if (!macro)
        return;
    for (const Vdn_Module& module : macro->modules) {
        if (core::indexOfName(module.arrays, arrayName) >= 0) {
            addNumericVariables(module, names);
            return;
        }
    }
    for (const Vdn_Module& module : macro->modules)
        addNumericVariables(module, names);
}

void DynArrayData::getEntryColumns(Vdn_Array<int>& numbers, Vdn_Array<bool>& flags,
                                   Vdn_StringArray& columnTexts) const {
    numbers.clear();
    flags.clear();
    columnTexts.clear();
    for (const EntryProps& entry : entries) {
        numbers.append(entry.number);
        flags.append(entry.flag);
        columnTexts.append(entry.text);
    }
}

bool DynArrayData::setEntryColumns(const Vdn_Array<int>& numbers, const Vdn_Array<bool>& flags,
                                   const Vdn_StringArray& columnTexts) {
    if (numbers.length() != entries.length() || flags.length() != entries.length() ||
        columnTexts.length() != entries.length())
        return false;
    for (int i = 0; i < entries.length(); ++i) {
        entries[i].number = numbers[i];
        entries[i].flag = flags[i];
        entries[i].text = columnTexts[i];
    }
    return true;
}

bool DynArrayData::setEntryAction(int index, TfEntryAction action) {
    if (!entries.isValidIndex(index))
        return false;
    entries[index].action = action;
    return true;
}

void DynArrayData::bindGridRow(int row) {
    if (buttonId < 1)
        buttonId = -row;
    if (textIds[0] < 1)
        textIds[0] = -row;
}
