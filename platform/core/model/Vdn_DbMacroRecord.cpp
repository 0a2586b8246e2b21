// Vdn_DbMacro's exchange with its record (MacroData): building the tabs and writing a changed
// record back into the modules.
#include "platform/core/model/MacroData.h"
#include "platform/core/model/MacroRecalculation.h"
#include "platform/core/model/MacroRecordWriter.h"
#include "platform/core/model/Vdn_DbMacro.h"
#include "platform/core/text/MergedText.h"
#include "platform/core/text/NamedItems.h"
#include "platform/core/text/StringHelpers.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace {

int tabKindOf(const Vdn_Module& module) {
    switch (module.kind) {
    case Vdn_Module::Kind::Bolt:
        return MacroTabData::kBoltTab;
    case Vdn_Module::Kind::Profile:
        return MacroTabData::kProfileTab;
    case Vdn_Module::Kind::Plate:
    case Vdn_Module::Kind::Other:
        break;
    }
    return MacroTabData::kGeneralTab;
}

// The tighter of a merged cell's bound and another module's: the clash check holds the value
// to the bounds of every module.
Vdn_String tighterBound(const Vdn_String& kept, const Vdn_String& other, bool lower) {
    if (!isNumber(other))
        return kept;
    if (!isNumber(kept))
        return other;
    const double keptValue = kept.trim().toDouble();
    const double otherValue = other.trim().toDouble();
    return (lower ? otherValue > keptValue : otherValue < keptValue) ? other : kept;
}

void addCells(const Vdn_Module& module, MacroTabData& tab) {
    for (const Vdn_ConstraintVariable& variable : module.variables) {
        if (!variable.shown)
            continue;
        const bool readOnly =
            !variable.settable || core::MacroRecalculation::isDerived(module, variable.name);
        const int index = tab.findCellWithName(variable.name);
        if (index >= 0) {
            MacroCell& cell = tab.cells[index];
            if (cell.value != variable.value)
                cell.value = Vdn_String(); // differs between the tab's modules: undetermined
            cell.readOnly = cell.readOnly || readOnly;
            cell.minimum = tighterBound(cell.minimum, variable.minimum, true);
            cell.maximum = tighterBound(cell.maximum, variable.maximum, false);
            continue;
        }
        MacroCell cell;
        cell.name = variable.name;
        cell.displayName = variable.displayName.isEmpty() ? variable.name : variable.displayName;
        cell.kind = variable.cellKind;
        cell.items = variable.items;
        cell.minimum = variable.minimum;
        cell.maximum = variable.maximum;
        cell.value = variable.value;
        cell.readOnly = readOnly;
        tab.cells.append(cell);
    }
}

DynArrayData arrayRecord(const Vdn_Module& module, const Vdn_DynArray& array) {
    DynArrayData record;
    record.moduleName = module.name;
    record.name = array.name;
    record.kind = array.kind;
    for (int i = 0; i < DynArrayData::kTextCount && i < array.texts.length(); ++i)
        record.texts[static_cast<std::size_t>(i)] = array.texts[i];
    for (int i = 0; i < DynArrayData::kFurtherTextCount && i < array.furtherTexts.length(); ++i)
        record.furtherTexts[static_cast<std::size_t>(i)] = array.furtherTexts[i];
    record.option = array.option ? 1 : 0;
    record.alternating = array.alternating ? 1 : 0;
    record.design = array.design;
    for (int i = 0; i < array.entries.length(); ++i) {
        DynArrayData::EntryProps entry;
        entry.text = array.entries[i];
        entry.number = i < array.entryNumbers.length() ? array.entryNumbers[i] : 0;
        entry.flag = static_cast<std::size_t>(i) < array.entryFlags.size() &&
                     array.entryFlags[static_cast<std::size_t>(i)];
        record.entries.append(entry);
    }
    return record;
}

MacroPatternProps patternRecord(const Vdn_Module& module, const Vdn_BoltPattern& pattern) {
    MacroPatternProps record;
    record.moduleName = module.name;
    record.name = pattern.name;
    record.valuesText = pattern.values;
    record.countText = pattern.count;
    record.hasButton = pattern.button;
    record.directionKind = pattern.directionCount() == 1 ? MacroPatternProps::kOneDirection
                                                         : MacroPatternProps::kTwoDirections;
    for (int d = 0; d < pattern.directionCount() && d < 2; ++d) {
        const Vdn_BoltPattern::Direction settings = pattern.direction(d);
        MacroPatternProps::Direction& direction = record.directions[static_cast<std::size_t>(d)];
        direction.kind = settings.spacing;
        direction.state = settings.edgeFixed ? 1 : 0;
        direction.firstText = settings.edgeDistance;
        direction.secondText = pattern.nrBolts[d];
        direction.flag = pattern.reverseStart[static_cast<std::size_t>(d)];
        direction.values = settings.distances;
    }
    record.option = pattern.mirrored ? 1 : 0;
    for (std::size_t i = 0; i < record.alternation.size(); ++i)
        record.alternation[i] = pattern.alternation[i] ? 1 : 0;
    return record;
}

void addModuleToTab(const Vdn_Module& module, MacroTabData& tab) {
    tab.moduleNames.append(module.name);
    for (const Vdn_CutConstraint& cut : module.cuts)
        tab.cuts.append(
            MacroCutData{module.name, cut.name, cut.type, cut.description, cut.state, 0});
    for (const Vdn_DynArray& array : module.arrays)
        tab.arrays.append(arrayRecord(module, array));
    for (const Vdn_BoltPattern& pattern : module.patterns)
        tab.patterns.append(patternRecord(module, pattern));
    for (int i = 0; i < module.profiles.length(); ++i) {
        const Vdn_ProfilePlacement& placement = module.profiles[i];
        MacroProfData profile;
        profile.moduleName = module.name;
        profile.index = i;
        profile.name = placement.name;
        profile.section = placement.section;
        profile.material = placement.material;
        profile.memberName = placement.memberName;
        profile.offsetType = placement.offsetType;
        profile.rotation = placement.rotation;
        profile.secondValue = placement.secondValue;
        profile.basePlane = placement.basePlane;
        profile.coordinateSystem = placement.coordinateSystem;
        profile.planeAxis = placement.planeAxis;
        profile.morphed = placement.morphed;
        profile.endSection = placement.endSection;
        profile.morphStartText = placement.morphStartText;
        profile.morphEndText = placement.morphEndText;
        profile.mirrored = placement.mirrored;
        profile.extended = placement.extended;
        profile.extension = placement.extension;
        profile.segments = placement.segments;
        tab.profiles.append(std::move(profile));
    }
    MacroFlexFixGroup group{module.name, {}};
    for (const Vdn_ConstraintVariable& variable : module.variables) {
        if (variable.flex)
            group.entries.append(MacroFlexFixEntry{variable.name, !*variable.flex});
    }
    if (!group.entries.isEmpty())
        tab.flexFixGroups.append(group);
}

// The bolt modules among modules, with their merged bolt data.
template <typename Module> struct BoltModules {
    std::vector<Module*> modules;
    MacroBoltData merged;
};

template <typename Module> BoltModules<Module> boltModulesOf(const std::vector<Module*>& modules) {
    BoltModules<Module> result;
    core::MergedText assembly;
    core::MergedText diameter;
    core::MergedText holeOffset;
    for (Module* module : modules) {
        if (!module->isBoltModule())
            continue;
        result.modules.push_back(module);
        assembly.add(module->boltData.assembly);
        diameter.add(module->boltData.diameter);
        holeOffset.add(module->boltData.holeOffset);
    }
    result.merged.assembly = assembly.text();
    result.merged.diameter = diameter.text();
    result.merged.holeOffset = holeOffset.text();
    if (!result.modules.empty())
        result.merged.details = result.modules.front()->boltData.details;
    return result;
}

// Checks (apply false) or writes (apply true) one tab record against the modules of its tab.
class TabWriter {
public:
    // The parts beyond bolt data, placements and flex/fix states that are written.
    struct Parts {
        bool cells = false;
        bool cuts = false;
        bool arrays = false;
        bool tabSettings = false;
        bool patterns = false;
    };

    TabWriter(Vdn_DbMacro& macro, const MacroTabData& tab, std::vector<Vdn_Module*> modules,
              Parts parts)
        : macro_(macro), tab_(tab), parts_(parts), modules_(std::move(modules)) {}

    Acad::ErrorStatus run(bool apply) {
        if (modules_.empty())
            return Acad::eKeyNotFound;
        if (const Acad::ErrorStatus es = boltData(apply); es != Acad::eOk)
            return es;
        for (const MacroProfData& profile : tab_.profiles) {
            if (const Acad::ErrorStatus es = placement(profile, apply); es != Acad::eOk)
                return es;
        }
        for (const MacroFlexFixGroup& group : tab_.flexFixGroups) {
            if (const Acad::ErrorStatus es = flexFixGroup(group, apply); es != Acad::eOk)
                return es;
        }
        for (int i = 0; parts_.cells && i < tab_.cells.length(); ++i) {
            if (const Acad::ErrorStatus es = cellValue(tab_.cells[i], apply); es != Acad::eOk)
                return es;
        }
        for (int i = 0; parts_.cuts && i < tab_.cuts.length(); ++i) {
            if (const Acad::ErrorStatus es = cutState(tab_.cuts[i], apply); es != Acad::eOk)
                return es;
        }
        for (int i = 0; parts_.arrays && i < tab_.arrays.length(); ++i) {
            if (const Acad::ErrorStatus es = arrayTexts(tab_.arrays[i], apply); es != Acad::eOk)
                return es;
        }
        for (int i = 0; parts_.patterns && i < tab_.patterns.length(); ++i) {
            if (const Acad::ErrorStatus es = patternSettings(tab_.patterns[i], apply);
                es != Acad::eOk)
                return es;
        }
        if (apply && parts_.tabSettings)
            tabSettings();
        return Acad::eOk;
    }

private:
    Vdn_Module* module(const Vdn_String& moduleName) const {
        for (Vdn_Module* candidate : modules_) {
            if (candidate->name.equal(moduleName, false))
                return candidate;
        }
        return nullptr;
    }

    static bool detailsInRange(const BoltDetails& details) {
        bool ok = details.count >= 0 &&
                  details.holeColumnNumbers.length() == details.holeColumnTexts.length();
        for (const int option : details.options)
            ok = ok && option >= 0 && option <= 2;
        for (const int option : details.optionalOptions)
            ok = ok && option >= -1 && option <= 2;
        for (const BoltDetails::Entry& entry : details.entries)
            ok = ok && entry.active >= 0 && entry.active <= 2 && entry.selection >= -1;
        return ok;
    }

    Acad::ErrorStatus boltData(bool apply) const {
        if (!tab_.boltData)
            return Acad::eOk;
        const BoltModules bolts = boltModulesOf(modules_);
        if (bolts.modules.empty())
            return Acad::eNotApplicable;
        const MacroBoltData& wanted = *tab_.boltData;
        if (!apply)
            return detailsInRange(wanted.details) ? Acad::eOk : Acad::eOutOfRange;
        for (Vdn_Module* bolt : bolts.modules) {
            if (wanted.assembly != bolts.merged.assembly)
                bolt->boltData.assembly = wanted.assembly;
            if (wanted.diameter != bolts.merged.diameter)
                bolt->boltData.diameter = wanted.diameter;
            if (wanted.details != bolts.merged.details)
                bolt->boltData.details = wanted.details;
            if (wanted.holeOffset != bolts.merged.holeOffset)
                bolt->boltData.holeOffset = wanted.holeOffset;
        }
        return Acad::eOk;
    }

    Acad::ErrorStatus placement(const MacroProfData& profile, bool apply) const {
        Vdn_Module* owner = module(profile.moduleName);
        if (!owner || !owner->profiles.isValidIndex(profile.index))
            return Acad::eKeyNotFound;
        Vdn_ProfilePlacement& placement = owner->profiles[profile.index];
        if (!placement.name.equal(profile.name, false))
            return Acad::eKeyNotFound;
        if (profile.offsetType < 0 ||
            (profile.rotation != 0 && profile.rotation != 90 && profile.rotation != 180 &&
             profile.rotation != 270) ||
            profile.planeAxis < 0 || profile.planeAxis > 2 || !std::isfinite(profile.secondValue) ||
            !std::isfinite(profile.extension))
            return Acad::eOutOfRange;
        for (const MacroProfSegment& segment : profile.segments) {
            if (!std::isfinite(segment.length))
                return Acad::eOutOfRange;
        }
        if (apply) {
            placement.offsetType = profile.offsetType;
            placement.rotation = profile.rotation;
            placement.section = profile.section;
            placement.material = profile.material;
            placement.memberName = profile.memberName;
            placement.secondValue = profile.secondValue;
            // An undetermined plane (of merged properties) keeps the placement's own.
            if (profile.basePlane != MacroProfData::kUndeterminedPlane)
                placement.basePlane = profile.basePlane;
            placement.coordinateSystem = profile.coordinateSystem;
            placement.planeAxis = profile.planeAxis;
            placement.morphed = profile.morphed;
            placement.endSection = profile.endSection;
            placement.morphStartText = profile.morphStartText;
            placement.morphEndText = profile.morphEndText;
            placement.mirrored = profile.mirrored;
            placement.extended = profile.extended;
            placement.extension = profile.extension;
            placement.segments = profile.segments;
        }
        return Acad::eOk;
    }

    Acad::ErrorStatus flexFixGroup(const MacroFlexFixGroup& group, bool apply) const {
        Vdn_Module* owner = module(group.name);
        if (!owner)
            return Acad::eKeyNotFound;
        for (const MacroFlexFixEntry& entry : group.entries) {
            const int index = core::indexOfName(owner->variables, entry.name);
            if (index < 0 || !owner->variables[index].flex)
                return Acad::eKeyNotFound;
            if (apply)
                owner->variables[index].flex = !entry.fixed;
        }
        return Acad::eOk;
    }

    // A cell's value goes into every module of the tab that shows the variable, when it
    // differs from the value they share; a derived or unsettable variable cannot be written.
    Acad::ErrorStatus cellValue(const MacroCell& cell, bool apply) const {
        std::vector<Vdn_ConstraintVariable*> targets;
        bool same = true;
        for (Vdn_Module* module : modules_) {
            const int index = core::indexOfName(module->variables, cell.name);
            if (index < 0 || !module->variables[index].shown)
                continue;
            Vdn_ConstraintVariable& variable = module->variables[index];
            same = same && variable.value == cell.value;
            targets.push_back(&variable);
            if (!variable.settable || core::MacroRecalculation::isDerived(*module, variable.name))
                targets.back() = nullptr;
        }
        if (targets.empty())
            return Acad::eKeyNotFound;
        // An undetermined (empty) value left as it was changes nothing.
        bool merged = true;
        for (const Vdn_ConstraintVariable* target : targets)
            merged = merged && target;
        if (same || (cell.value.isEmpty() && !sharedValue(cell.name)))
            return Acad::eOk;
        if (!merged)
            return Acad::eNotApplicable;
        if (apply) {
            for (Vdn_ConstraintVariable* target : targets)
                target->value = cell.value;
        }
        return Acad::eOk;
    }

    // Whether every module of the tab that shows the variable gives it the same value.
    bool sharedValue(const Vdn_String& variable) const {
        const Vdn_String* first = nullptr;
        for (const Vdn_Module* module : modules_) {
            const int index = core::indexOfName(module->variables, variable);
            if (index < 0 || !module->variables[index].shown)
                continue;
            if (first && *first != module->variables[index].value)
                return false;
            first = &module->variables[index].value;
        }
        return true;
    }

    Acad::ErrorStatus cutState(const MacroCutData& cut, bool apply) const {
        Vdn_Module* owner = module(cut.moduleName);
        if (!owner)
            return Acad::eKeyNotFound;
        Vdn_CutConstraint* found = nullptr;
        if (owner->getCutConstraint(cut.name, found) != Acad::eOk)
            return Acad::eKeyNotFound;
        if (cut.state < 0 || cut.state > 3)
            return Acad::eOutOfRange;
        if (apply) {
            found->state = cut.state;
            found->description = cut.description;
        }
        return Acad::eOk;
    }

    Acad::ErrorStatus arrayTexts(const DynArrayData& array, bool apply) const {
        Vdn_Module* owner = module(array.moduleName);
        if (!owner)
            return Acad::eKeyNotFound;
        const int index = core::indexOfName(owner->arrays, array.name);
        if (index < 0)
            return Acad::eKeyNotFound;
        if (array.kind < -1 || array.kind >= DynArrayData::kTypeCount ||
            !threeState(array.option) || !threeState(array.alternating))
            return Acad::eOutOfRange;
        if (!apply)
            return Acad::eOk;
        Vdn_DynArray& target = owner->arrays[index];
        if (array.kind >= 0)
            target.kind = array.kind;
        target.texts.clear();
        for (const Vdn_String& text : array.texts)
            target.texts.append(text);
        target.furtherTexts.clear();
        for (const Vdn_String& text : array.furtherTexts)
            target.furtherTexts.append(text);
        if (array.option >= 0)
            target.option = array.option == 1;
        if (array.alternating >= 0)
            target.alternating = array.alternating == 1;
        target.design = array.design;
        target.entries.clear();
        target.entryNumbers.clear();
        target.entryFlags.clear();
        // An entry marked for removal leaves the array.
        for (const DynArrayData::EntryProps& entry : array.entries) {
            if (entry.action == kEntryRemove)
                continue;
            target.entries.append(entry.text);
            target.entryNumbers.append(entry.number);
            target.entryFlags.push_back(entry.flag);
        }
        return Acad::eOk;
    }

    static bool threeState(int value) { return value >= -1 && value <= 1; }

    // A pattern's settings go into its module's pattern; a value left undetermined (-1) keeps
    // the pattern's own, and a one-direction pattern takes nothing for a second direction.
    Acad::ErrorStatus patternSettings(const MacroPatternProps& props, bool apply) const {
        Vdn_Module* owner = module(props.moduleName);
        Vdn_BoltPattern* pattern = nullptr;
        if (!owner || owner->findPattern(props.name, pattern) != Acad::eOk)
            return Acad::eKeyNotFound;
        bool inRange = threeState(props.option);
        for (const int flag : props.alternation)
            inRange = inRange && threeState(flag);
        for (const MacroPatternProps::Direction& direction : props.directions)
            inRange = inRange && threeState(direction.state) && direction.kind >= -1 &&
                      direction.kind < Vdn_BoltPattern::kSpacingKinds;
        if (!inRange)
            return Acad::eOutOfRange;
        if (!apply)
            return Acad::eOk;
        pattern->values = props.valuesText;
        pattern->count = props.countText;
        if (props.option >= 0)
            pattern->mirrored = props.option == 1;
        for (std::size_t i = 0; i < pattern->alternation.size(); ++i) {
            if (props.alternation[i] >= 0)
                pattern->alternation[i] = props.alternation[i] == 1;
        }
        const std::size_t count = static_cast<std::size_t>(pattern->directionCount());
        pattern->directions.resize(count);
        for (std::size_t d = 0; d < count && d < props.directions.size(); ++d) {
            const MacroPatternProps::Direction& wanted = props.directions[d];
            Vdn_BoltPattern::Direction& target = pattern->directions[d];
            if (wanted.kind >= 0)
                target.spacing = wanted.kind;
            if (wanted.state >= 0)
                target.edgeFixed = wanted.state == 1;
            target.edgeDistance = wanted.firstText;
            target.distances = wanted.values;
            pattern->nrBolts[static_cast<int>(d)] = wanted.secondText;
            pattern->reverseStart[d] = wanted.flag;
        }
        // Settings that are all default are not kept, so a file without them stays so.
        if (std::all_of(pattern->directions.begin(), pattern->directions.end(),
                        [](const Vdn_BoltPattern::Direction& d) {
                            return d == Vdn_BoltPattern::Direction{};
                        }))
            pattern->directions.clear();
        return Acad::eOk;
    }

    void tabSettings() const {
        int index = core::indexOfName(macro_.tabs, tab_.name);
        const bool plain = !tab_.blockReference && tab_.blockName.isEmpty() && tab_.view == 3 &&
                           tab_.designName.isEmpty();
        if (index < 0 && plain)
            return;
        if (index < 0) {
            Vdn_MacroTab tab;
            tab.name = tab_.name;
            index = macro_.tabs.append(tab);
        }
        Vdn_MacroTab& tab = macro_.tabs[index];
        tab.design = tab_.designName;
        tab.blockReference = tab_.blockReference;
        tab.blockName = tab_.blockName;
        tab.view = tab_.view;
    }

    Vdn_DbMacro& macro_;
    const MacroTabData& tab_;
    Parts parts_;
    std::vector<Vdn_Module*> modules_;
};

} // namespace

Acad::ErrorStatus Vdn_DbMacro::getMacroData(MacroData& data) const {
    data.name = name;
    data.title = title.isEmpty() ? name : title;
    data.tabs.clear();
    core::NameIndex tabIndex;
    std::vector<std::vector<const Vdn_Module*>> tabModules;
    for (const Vdn_Module& module : modules) {
        int index = tabIndex.find(module.tabName());
        if (index < 0) {
            MacroTabData tab;
            tab.name = module.tabName();
            tab.kind = tabKindOf(module);
            index = data.tabs.append(tab);
            tabIndex.add(tab.name, index);
            tabModules.emplace_back();
        }
        addModuleToTab(module, data.tabs[index]);
        addCells(module, data.tabs[index]);
        tabModules[static_cast<std::size_t>(index)].push_back(&module);
    }
    const core::NameIndex settingsIndex(tabs);
    for (int t = 0; t < data.tabs.length(); ++t) {
        MacroTabData& tab = data.tabs[t];
        const BoltModules bolts = boltModulesOf(tabModules[static_cast<std::size_t>(t)]);
        if (!bolts.modules.empty())
            tab.boltData = bolts.merged;
        const int settings = settingsIndex.find(tab.name);
        if (settings >= 0) {
            const Vdn_MacroTab& kept = tabs[settings];
            if (kept.kind >= 0)
                tab.kind = kept.kind;
            tab.designName = kept.design;
            tab.blockReference = kept.blockReference;
            tab.blockName = kept.blockName;
            tab.view = kept.view;
        }
    }
    data.filterCaptions1.clear();
    for (const MacroSettingsData::GroupEntry& group : settings.groups)
        data.filterCaptions1.append(group.text.isEmpty() ? group.name : group.text);
    data.filterCaptions2.clear();
    for (const MacroSettingsData::FilterProperty& property : settings.filterProperties)
        data.filterCaptions2.append(property.name);
    return Acad::eOk;
}

namespace {

Acad::ErrorStatus writeTabs(Vdn_DbMacro& macro, const MacroData& data, TabWriter::Parts parts) {
    // The modules of each tab of the record, found in one pass over the macro.
    const core::NameIndex tabIndex(data.tabs);
    std::vector<std::vector<Vdn_Module*>> tabModules(static_cast<std::size_t>(data.tabs.length()));
    for (Vdn_Module& module : macro.modules) {
        const int tab = tabIndex.find(module.tabName());
        if (tab >= 0)
            tabModules[static_cast<std::size_t>(tab)].push_back(&module);
    }
    std::vector<TabWriter> writers;
    writers.reserve(tabModules.size());
    for (int t = 0; t < data.tabs.length(); ++t)
        writers.emplace_back(macro, data.tabs[t], tabModules[static_cast<std::size_t>(t)], parts);
    for (TabWriter& writer : writers) {
        if (const Acad::ErrorStatus es = writer.run(false); es != Acad::eOk)
            return es;
    }
    for (TabWriter& writer : writers)
        writer.run(true);
    return Acad::eOk;
}

} // namespace

Acad::ErrorStatus Vdn_DbMacro::setMacroData(const MacroData& data) {
    return writeTabs(*this, data, TabWriter::Parts{});
}

Acad::ErrorStatus core::writeMacroRecord(Vdn_DbMacro& macro, const MacroData& data,
                                         const Vdn_Array<int>& changes) {
    const auto named = [&changes](int code) { return changes.isEmpty() || changes.contains(code); };
    return writeTabs(macro, data,
                     TabWriter::Parts{named(MacroTabData::kCellsChanged),
                                      named(MacroTabData::kCutsChanged),
                                      named(MacroTabData::kArraysChanged),
                                      named(MacroTabData::kBlockReferenceChanged),
                                      named(MacroTabData::kPatternsChanged)});
}
