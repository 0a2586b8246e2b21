#include "platform/core/model/MacroTabData.h"

#include "platform/core/text/MergedText.h"

#include <array>
#include <tuple>

namespace {

constexpr std::array kProfileTexts = {&MacroProfData::section,     &MacroProfData::material,
                                      &MacroProfData::memberName,  &MacroProfData::coordinateSystem,
                                      &MacroProfData::endSection,  &MacroProfData::morphStartText,
                                      &MacroProfData::morphEndText};

// Sets field of merged to first's value; what differs between the placements stays as the
// first one has it, and is written back only when it is changed.
template <typename Field>
void mergeFirst(MacroProfData& merged, const MacroProfData& first, Field field) {
    merged.*field = first.*field;
}

// Writes field of props into every placement of the group when it differs from the merged
// value.
template <typename Field>
void writeChanged(Vdn_Array<MacroProfData>& profiles, const Vdn_String& group,
                  const MacroProfData& props, const MacroProfData& current, Field field) {
    if (props.*field == current.*field)
        return;
    for (MacroProfData& profile : profiles) {
        if (profile.name.equal(group, false))
            profile.*field = props.*field;
    }
}

// The fields merged by mergeFirst and written by writeChanged.
constexpr auto kProfilePlainFields =
    std::make_tuple(&MacroProfData::secondValue, &MacroProfData::planeAxis, &MacroProfData::morphed,
                    &MacroProfData::mirrored, &MacroProfData::extended, &MacroProfData::extension,
                    &MacroProfData::segments);

template <typename Apply> void forEachPlainField(Apply apply) {
    std::apply([&apply](auto... fields) { (apply(fields), ...); }, kProfilePlainFields);
}

} // namespace

bool MacroTabData::getFlexFixBtnStatus(const Vdn_String& variable, bool& fixed, bool& mixed) const {
    int buttons = 0;
    int fixedButtons = 0;
    for (const MacroFlexFixGroup& group : flexFixGroups) {
        for (const MacroFlexFixEntry& entry : group.entries) {
            if (!entry.name.equal(variable, false))
                continue;
            ++buttons;
            if (entry.fixed)
                ++fixedButtons;
        }
    }
    if (buttons == 0)
        return false;
    fixed = fixedButtons == buttons;
    mixed = fixedButtons != 0 && fixedButtons != buttons;
    return true;
}

bool MacroTabData::flexFixBtnClicked(const Vdn_String& variable, bool flexible) {
    bool changed = false;
    for (MacroFlexFixGroup& group : flexFixGroups) {
        for (MacroFlexFixEntry& entry : group.entries) {
            if (entry.name.equal(variable, false) && entry.fixed == flexible) {
                entry.fixed = !flexible;
                changed = true;
            }
        }
    }
    return changed;
}

bool MacroTabData::getMergedPropsOfGroup(const Vdn_String& group, MacroProfData& props) const {
    core::MergedText moduleName;
    std::array<core::MergedText, kProfileTexts.size()> texts;
    bool samePlane = true;
    const MacroProfData* first = nullptr;
    bool sameIndex = true;
    bool sameOffsetType = true;
    bool sameRotation = true;
    for (const MacroProfData& profile : profiles) {
        if (!profile.name.equal(group, false))
            continue;
        if (!first)
            first = &profile;
        sameIndex = sameIndex && profile.index == first->index;
        sameOffsetType = sameOffsetType && profile.offsetType == first->offsetType;
        sameRotation = sameRotation && profile.rotation == first->rotation;
        moduleName.add(profile.moduleName);
        for (std::size_t i = 0; i < kProfileTexts.size(); ++i)
            texts[i].add(profile.*kProfileTexts[i]);
        samePlane = samePlane && profile.basePlane == first->basePlane;
    }
    if (!first)
        return false;
    props.moduleName = moduleName.text();
    // One index stands for one placement only when a single module places the group.
    props.index = sameIndex && !moduleName.text().isEmpty() ? first->index : -1;
    props.name = first->name;
    for (std::size_t i = 0; i < kProfileTexts.size(); ++i)
        props.*kProfileTexts[i] = texts[i].text();
    props.offsetType = sameOffsetType ? first->offsetType : -1;
    props.rotation = sameRotation ? first->rotation : -1;
    // Placements on different planes show the undetermined plane, not the empty (world) one.
    props.basePlane = samePlane ? first->basePlane : Vdn_String(MacroProfData::kUndeterminedPlane);
    const auto merge = [&props, first](auto field) { mergeFirst(props, *first, field); };
    forEachPlainField(merge);
    return true;
}

bool MacroTabData::setMergedPropsOfGroup(const Vdn_String& group, const MacroProfData& props) {
    MacroProfData current;
    if (!getMergedPropsOfGroup(group, current))
        return false;
    for (const auto text : kProfileTexts) {
        if (props.*text == current.*text)
            continue;
        for (MacroProfData& profile : profiles) {
            if (profile.name.equal(group, false))
                profile.*text = props.*text;
        }
    }
    if (props.basePlane != MacroProfData::kUndeterminedPlane)
        writeChanged(profiles, group, props, current, &MacroProfData::basePlane);
    const auto write = [&](auto field) { writeChanged(profiles, group, props, current, field); };
    forEachPlainField(write);
    // An undetermined (-1) number left as merged changes nothing either.
    for (const auto number : {&MacroProfData::offsetType, &MacroProfData::rotation}) {
        if (props.*number == current.*number || props.*number < 0)
            continue;
        for (MacroProfData& profile : profiles) {
            if (profile.name.equal(group, false))
                profile.*number = props.*number;
        }
    }
    return true;
}

namespace {

template <typename Item> int indexNamed(const Vdn_Array<Item>& items, const Vdn_String& name) {
    for (int i = 0; i < items.length(); ++i) {
        if (items[i].name.equal(name, false))
            return i;
    }
    return -1;
}

void addName(Vdn_StringArray& names, const Vdn_String& name) {
    for (const Vdn_String& known : names) {
        if (known.equal(name, false))
            return;
    }
    names.append(name);
}

// The record without the dialog's control ids, for comparing what the model holds.
template <typename Item> Item withoutIds(Item item) {
    item.controlId = 0;
    return item;
}

DynArrayData arrayWithoutIds(DynArrayData array) {
    array.textIds = {};
    array.buttonId = 0;
    for (DynArrayData::EntryProps& entry : array.entries)
        entry.controlId = 0;
    return array;
}

} // namespace

int MacroTabData::findCellWithName(const Vdn_String& cellName) const {
    return indexNamed(cells, cellName);
}

int MacroTabData::findCutWithName(const Vdn_String& cutName) const {
    return indexNamed(cuts, cutName);
}

int MacroTabData::findArrayWithName(const Vdn_String& arrayName) const {
    return indexNamed(arrays, arrayName);
}

int MacroTabData::findPatternWithName(const Vdn_String& patternName) const {
    return indexNamed(patterns, patternName);
}

int MacroTabData::findPatternWithBtnId(int id) const {
    if (id == 0)
        return -1;
    for (int i = 0; i < patterns.length(); ++i) {
        const MacroPatternProps& pattern = patterns[i];
        if (pattern.buttonId == id)
            return i;
        // A grid row stands for the pattern whose values or button it shows.
        if (id < 0 && pattern.valuesId == id)
            return i;
    }
    return -1;
}

void MacroTabData::removeAllDlgReferences() {
    for (MacroCell& cell : cells)
        cell.controlId = 0;
    for (MacroCutData& cut : cuts)
        cut.controlId = 0;
    for (DynArrayData& array : arrays)
        array = arrayWithoutIds(array);
    for (MacroPatternProps& pattern : patterns)
        pattern = pattern.withoutIds();
}

bool MacroTabData::differences(const MacroTabData& oldTab, const MacroTabData& newTab,
                               Vdn_StringArray& changedNames, Vdn_Array<int>& changes,
                               Vdn_Array<int>& changedCells) {
    changedNames.clear();
    changes.clear();
    changedCells.clear();
    for (int i = 0; i < newTab.cells.length(); ++i) {
        const MacroCell& cell = newTab.cells[i];
        const int before = oldTab.findCellWithName(cell.name);
        if (before >= 0 && oldTab.cells[before].value == cell.value)
            continue;
        changedCells.append(i);
        addName(changedNames, cell.name);
    }
    if (!changedCells.isEmpty())
        changes.append(kCellsChanged);
    if (oldTab.boltData != newTab.boltData)
        changes.append(kBoltDataChanged);

    const std::size_t namesBeforeFlex = static_cast<std::size_t>(changedNames.length());
    for (const MacroFlexFixGroup& group : newTab.flexFixGroups) {
        for (const MacroFlexFixEntry& entry : group.entries) {
            bool oldFixed = false;
            bool mixed = false;
            if (!oldTab.getFlexFixBtnStatus(entry.name, oldFixed, mixed) || mixed ||
                oldFixed != entry.fixed)
                addName(changedNames, entry.name);
        }
    }
    if (static_cast<std::size_t>(changedNames.length()) != namesBeforeFlex ||
        oldTab.flexFixGroups != newTab.flexFixGroups)
        changes.append(kFlexFixChanged);

    bool cutsChanged = oldTab.cuts.length() != newTab.cuts.length();
    for (const MacroCutData& cut : newTab.cuts) {
        const int before = oldTab.findCutWithName(cut.name);
        if (before < 0 || withoutIds(oldTab.cuts[before]) != withoutIds(cut)) {
            cutsChanged = true;
            addName(changedNames, cut.name);
        }
    }
    if (cutsChanged)
        changes.append(kCutsChanged);

    bool arraysChanged = oldTab.arrays.length() != newTab.arrays.length();
    for (const DynArrayData& array : newTab.arrays) {
        const int before = oldTab.findArrayWithName(array.name);
        if (before < 0 || arrayWithoutIds(oldTab.arrays[before]) != arrayWithoutIds(array)) {
            arraysChanged = true;
            addName(changedNames, array.name);
        }
    }
    if (arraysChanged)
        changes.append(kArraysChanged);

    bool patternsChanged = oldTab.patterns.length() != newTab.patterns.length();
    for (int i = 0; i < newTab.patterns.length(); ++i) {
        const MacroPatternProps& pattern = newTab.patterns[i];
        if (i < oldTab.patterns.length() && oldTab.patterns[i].withoutIds() == pattern.withoutIds())
            continue;
        patternsChanged = true;
        addName(changedNames, pattern.name);
    }
    if (patternsChanged)
        changes.append(kPatternsChanged);

    if (oldTab.blockReference != newTab.blockReference || oldTab.blockName != newTab.blockName)
        changes.append(kBlockReferenceChanged);

    bool profilesChanged = oldTab.profiles.length() != newTab.profiles.length();
    for (int i = 0; i < newTab.profiles.length(); ++i) {
        if (i < oldTab.profiles.length() && oldTab.profiles[i] == newTab.profiles[i])
            continue;
        profilesChanged = true;
        addName(changedNames, newTab.profiles[i].name);
    }
    if (profilesChanged)
        changes.append(kProfilesChanged);
    return !changes.isEmpty();
}
