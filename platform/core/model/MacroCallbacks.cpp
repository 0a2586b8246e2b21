#include "platform/core/model/MacroCallbacks.h"

#include "platform/core/files/PathBoundary.h"
#include "platform/core/model/MacroRecalculation.h"
#include "platform/core/model/MacroRecordWriter.h"
#include "platform/core/model/StandardsEvaluator.h"
#include "platform/core/model/Vdn_Drawing.h"
#include "platform/core/text/NamedItems.h"
#include "platform/core/text/StringHelpers.h"

#include <algorithm>
#include <filesystem>
#include <map>
#include <string>
#include <vector>

namespace {

std::map<int, Vdn_StringArray>& clashSlots() {
    static std::map<int, Vdn_StringArray> slots;
    return slots;
}

bool refuse(const Vdn_String& message) {
    Vdn_Drawing::current().setLastMessage(message);
    return false;
}

// Carries the dialog's control ids of the old record over to the refilled one.
void keepControlIds(const MacroTabData& old, MacroTabData& fresh) {
    for (MacroCell& cell : fresh.cells) {
        const int index = old.findCellWithName(cell.name);
        if (index >= 0)
            cell.controlId = old.cells[index].controlId;
    }
    for (MacroCutData& cut : fresh.cuts) {
        const int index = old.findCutWithName(cut.name);
        if (index >= 0)
            cut.controlId = old.cuts[index].controlId;
    }
    for (DynArrayData& array : fresh.arrays) {
        const int index = old.findArrayWithName(array.name);
        if (index < 0)
            continue;
        const DynArrayData& before = old.arrays[index];
        array.textIds = before.textIds;
        array.buttonId = before.buttonId;
        for (int e = 0; e < array.entries.length() && e < before.entries.length(); ++e)
            array.entries[e].controlId = before.entries[e].controlId;
    }
    for (int p = 0; p < fresh.patterns.length() && p < old.patterns.length(); ++p) {
        MacroPatternProps& pattern = fresh.patterns[p];
        const MacroPatternProps& before = old.patterns[p];
        if (!pattern.name.equal(before.name, false) ||
            !pattern.moduleName.equal(before.moduleName, false))
            continue;
        pattern.valuesId = before.valuesId;
        pattern.countId = before.countId;
        pattern.buttonId = before.buttonId;
    }
}

// Fills data again from the macro, keeping what the dialog put into it.
void refill(MacroData& data, const Vdn_DbMacro& macro) {
    MacroData fresh = data;
    macro.getMacroData(fresh);
    for (MacroTabData& tab : fresh.tabs) {
        const int index = data.findTab(tab.name);
        if (index >= 0)
            keepControlIds(data.tabs[index], tab);
    }
    fresh.title = data.title.isEmpty() ? fresh.title : data.title;
    data = fresh;
}

// Puts the checked copies (one per object id of the record) into the drawing and refills the
// record from the first.
void commit(MacroData& data, std::vector<Vdn_DbMacro> updated) {
    Vdn_Drawing& drawing = Vdn_Drawing::current();
    for (int i = 0; i < data.objectIds.length(); ++i)
        drawing.replaceMacro(data.objectIds[i], std::move(updated[static_cast<std::size_t>(i)]));
    drawing.setLastMessage(Vdn_String());
    refill(data, *drawing.macro(data.objectIds.first()));
}

// Writes the tabs of the record into every macro, recalculates and checks; all or nothing.
bool updateTabs(MacroData& data, const Vdn_Array<MacroTabData>& tabs,
                const Vdn_Array<int>& changes) {
    Vdn_Drawing& drawing = Vdn_Drawing::current();
    if (data.objectIds.isEmpty())
        return refuse(L"the record stands for no macro");
    std::vector<Vdn_DbMacro> updated;
    for (int i = 0; i < data.objectIds.length(); ++i) {
        const Vdn_DbMacro* macro = drawing.macro(data.objectIds[i]);
        if (!macro)
            return refuse(L"the drawing holds no object " +
                          Vdn_String(std::to_wstring(data.objectIds[i].value())));
        Vdn_DbMacro copy = *macro;
        MacroData record = data;
        record.tabs = tabs;
        switch (core::writeMacroRecord(copy, record, changes)) {
        case Acad::eOk:
            break;
        case Acad::eNotApplicable:
            return refuse(L"the record changes a value that is derived or cannot be set");
        case Acad::eOutOfRange:
            return refuse(L"the record holds a value outside its range");
        default:
            return refuse(L"the record names a tab, module or value the macro " + copy.name +
                          L" does not have");
        }
        if (!recalculateAndCheck(copy))
            return false;
        updated.push_back(std::move(copy));
    }
    commit(data, std::move(updated));
    return true;
}

} // namespace

bool UpdateModule(const Vdn_String& tabName, MacroData& data, const Vdn_Array<int>& changes,
                  const Vdn_Array<int>&) {
    int index = data.findTab(tabName);
    for (int t = 0; index < 0 && t < data.tabs.length(); ++t) {
        if (data.tabs[t].moduleNames.contains(tabName, false))
            index = t;
    }
    if (index < 0)
        return refuse(L"the record has no tab " + tabName);
    Vdn_Array<MacroTabData> tabs;
    tabs.append(data.tabs[index]);
    return updateTabs(data, tabs, changes);
}

bool setAllToMacro(MacroData& data, const Vdn_Array<int>& changes, const Vdn_Array<int>&) {
    return updateTabs(data, data.tabs, changes);
}

bool MacroData::reApply() {
    return updateTabs(*this, tabs, Vdn_Array<int>());
}

bool UpdateAllFilterModified(MacroData& data, bool) {
    const Vdn_StringArray captions1 = data.filterCaptions1;
    const Vdn_StringArray captions2 = data.filterCaptions2;
    const int index1 = data.filterIndex1;
    const int index2 = data.filterIndex2;
    const Vdn_String currentTab = data.currentTab;
    MacroData fresh;
    if (!getMacroDataOf(data.objectIds, fresh))
        return refuse(L"the record stands for a macro the drawing no longer holds");
    fresh.filterIndex1 = captions1 == fresh.filterCaptions1 ? index1 : 0;
    fresh.filterIndex2 = captions2 == fresh.filterCaptions2 ? index2 : 0;
    fresh.currentTab = currentTab;
    fresh.busy = data.busy;
    fresh.eraseOnClose = data.eraseOnClose;
    data = fresh;
    return true;
}

bool swapBlockRefs(MacroData& data, const Vdn_String& tabName, const Vdn_String& blockFile) {
    MacroTabData* tab = data.getTab(data.findTab(tabName));
    if (tab == nullptr || !tab->blockReference)
        return refuse(L"the tab " + tabName + L" swaps no block reference");
    if (!core::resolveExistingFile(blockFile))
        return refuse(L"the block file " + blockFile + L" does not exist");
    std::wstring name = blockFile.str();
    std::replace(name.begin(), name.end(), L'\\', L'/');
    tab->blockName = Vdn_String(std::filesystem::path(name).stem().wstring());
    return true;
}

bool EraseObject(AcDbObjectId id) {
    return Vdn_Drawing::current().eraseObject(id) == Acad::eOk;
}

bool GetMacroSettings(AcDbObjectId macroObject, MacroSettingsData& settings) {
    const Vdn_DbMacro* macro = Vdn_Drawing::current().macro(macroObject);
    if (!macro)
        return refuse(L"the drawing holds no object " +
                      Vdn_String(std::to_wstring(macroObject.value())));
    settings = macro->settings;
    return true;
}

bool SetMacroSettings(AcDbObjectId macroObject, const MacroSettingsData& settings) {
    Vdn_DbMacro* macro = Vdn_Drawing::current().macro(macroObject);
    if (!macro)
        return refuse(L"the drawing holds no object " +
                      Vdn_String(std::to_wstring(macroObject.value())));
    if (settings.variableNames.length() != settings.variableValues.length())
        return refuse(L"the settings give " + Vdn_String(settings.variableNames.length()) +
                      L" variable names and " + Vdn_String(settings.variableValues.length()) +
                      L" values");
    const TabMappingData& mapping = settings.mapping;
    if (mapping.targets.length() != mapping.count() ||
        mapping.moduleNames.length() != mapping.count())
        return refuse(L"the spreadsheet mappings have lists of different lengths");
    macro->settings = settings;
    macro->settings.mappingChanged = false;
    return true;
}

bool recalculateAndCheck(Vdn_DbMacro& copy) {
    Vdn_String message;
    if (!core::MacroRecalculation::run(copy, message))
        return refuse(message);
    if (Vdn_Drawing::current().clashChecking()) {
        const Vdn_StringArray clashes = clashesOf(copy);
        if (!clashes.isEmpty())
            return refuse(clashes.first());
    }
    return true;
}

Vdn_StringArray clashesOf(const Vdn_DbMacro& macro) {
    Vdn_StringArray clashes;
    for (const Vdn_Module& module : macro.modules) {
        for (const Vdn_ConstraintVariable& variable : module.variables) {
            if (!isNumber(variable.value))
                continue;
            const double value = variable.value.trim().toDouble();
            const Vdn_String name = module.name + L"." + variable.name + L" = " + variable.value;
            if (isNumber(variable.minimum) && value < variable.minimum.trim().toDouble())
                clashes.append(name + L" is below its minimum " + variable.minimum);
            if (isNumber(variable.maximum) && value > variable.maximum.trim().toDouble())
                clashes.append(name + L" is above its maximum " + variable.maximum);
        }
    }
    return clashes;
}

bool clashcheck(int slot, const AcArray<AcDbObjectId>& ids) {
    Vdn_StringArray& found = clashSlots()[slot];
    found.clear();
    if (!clashGetStatus())
        return true;
    for (int i = 0; i < ids.length(); ++i) {
        if (const Vdn_DbMacro* macro = Vdn_Drawing::current().macro(ids[i]))
            found.append(clashesOf(*macro));
    }
    return found.isEmpty();
}

void clashInitDlgStarted(int slot) {
    clashSlots()[slot].clear();
}

void clashResetInfo(int slot, const AcArray<AcDbObjectId>&) {
    clashSlots()[slot].clear();
}

void clashDlgClosed(int slot) {
    clashSlots().erase(slot);
}

void clashSetStatus(bool on) {
    Vdn_Drawing::current().setClashChecking(on);
}

bool clashGetStatus() {
    return Vdn_Drawing::current().clashChecking();
}

Vdn_StringArray clashMessages(int slot) {
    const auto found = clashSlots().find(slot);
    return found == clashSlots().end() ? Vdn_StringArray() : found->second;
}

bool getMacroDataOf(const AcArray<AcDbObjectId>& ids, MacroData& data) {
    if (ids.isEmpty())
        return false;
    for (int i = 0; i < ids.length(); ++i) {
        if (!Vdn_Drawing::current().macro(ids[i]))
            return false;
    }
    Vdn_Drawing::current().macro(ids.first())->getMacroData(data);
    data.objectIds = ids;
    return true;
}

bool MacroData::loadFromStandards() {
    const core::StandardsEvaluator& evaluate = core::standardsEvaluator();
    if (!evaluate)
        return refuse(L"no standards evaluation is available");
    if (objectIds.isEmpty())
        return refuse(L"the record stands for no macro");
    Vdn_Drawing& drawing = Vdn_Drawing::current();
    std::vector<Vdn_DbMacro> updated;
    for (int i = 0; i < objectIds.length(); ++i) {
        const AcDbObjectId id = objectIds[i];
        const Vdn_DbMacro* macro = drawing.macro(id);
        if (!macro)
            return refuse(L"the drawing holds no object " +
                          Vdn_String(std::to_wstring(id.value())));
        // Each macro is evaluated on a copy, so a failure halfway leaves every macro as it was.
        Vdn_DbMacro copy = *macro;
        const TabMappingData mapping = copy.settings.mapping;
        for (int row = 0; row < mapping.count(); ++row) {
            const Vdn_String& sheet = mapping.spreadsheets[row];
            if (sheet.trim().isEmpty())
                continue;
            const Vdn_String target =
                mapping.targets.isValidIndex(row) ? mapping.targets[row] : Vdn_String();
            Vdn_String problem;
            if (!evaluate(copy, sheet, target, problem))
                return refuse(sheet + L": " +
                              (problem.isEmpty() ? Vdn_String(L"the evaluation failed") : problem));
        }
        if (!recalculateAndCheck(copy))
            return false;
        updated.push_back(std::move(copy));
    }
    commit(*this, std::move(updated));
    return true;
}
