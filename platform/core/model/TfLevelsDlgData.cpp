#include "platform/core/model/TfLevelsDlgData.h"

#include <cmath>

namespace {

bool isWorldBase(const Vdn_String& name) {
    return name.equal(TfLevelsDlgData::kWorldBase, false);
}

} // namespace

void TfLevelsDlgData::getNames(Vdn_StringArray& names) const {
    names.clear();
    for (const Level& level : levels_)
        names.append(level.name);
}

bool TfLevelsDlgData::getLevelData(int index, Vdn_String& name, Vdn_String& baseName,
                                   double& value1, double& value2) const {
    if (!levels_.isValidIndex(index))
        return false;
    const Level& level = levels_[index];
    name = level.name;
    baseName = level.baseName;
    value1 = level.value;
    // The chains never loop; the step bound only keeps a damaged copy from hanging.
    double absolute = level.value;
    int base = indexOf(level.baseName);
    for (int steps = 0; base >= 0 && steps < levels_.length(); ++steps) {
        absolute += levels_[base].value;
        base = indexOf(levels_[base].baseName);
    }
    value2 = absolute;
    return true;
}

bool TfLevelsDlgData::addLevel(const Vdn_String& name, int& index) {
    index = -1;
    if (name.isEmpty() || isNameTaken(name))
        return false;
    index = levels_.append(Level{name});
    return true;
}

bool TfLevelsDlgData::deleteLevel(int index) {
    if (!levels_.isValidIndex(index) || !levelsOn(index).isEmpty())
        return false;
    return levels_.removeAt(index);
}

bool TfLevelsDlgData::updateLevel(int index, double value) {
    if (!levels_.isValidIndex(index) || !std::isfinite(value))
        return false;
    levels_[index].value = value;
    return true;
}

bool TfLevelsDlgData::updateLevel(int index, const Vdn_String& baseName) {
    if (!canRestOn(index, baseName))
        return false;
    const int base = indexOf(baseName);
    // Stored as the base spells itself.
    levels_[index].baseName = base >= 0 ? levels_[base].name : Vdn_String(kWorldBase);
    return true;
}

bool TfLevelsDlgData::canRestOn(int index, const Vdn_String& baseName) const {
    if (!levels_.isValidIndex(index))
        return false;
    if (isWorldBase(baseName))
        return true;
    int base = indexOf(baseName);
    // Walks down from the proposed base: meeting this level means it would rest on itself.
    for (int steps = 0; base >= 0 && steps <= levels_.length(); ++steps) {
        if (base == index)
            return false;
        base = indexOf(levels_[base].baseName);
    }
    return indexOf(baseName) >= 0;
}

bool TfLevelsDlgData::isNameTaken(const Vdn_String& name) const {
    return isWorldBase(name) || indexOf(name) >= 0;
}

Vdn_StringArray TfLevelsDlgData::levelsOn(int index) const {
    Vdn_StringArray names;
    if (!levels_.isValidIndex(index))
        return names;
    for (const Level& level : levels_) {
        if (level.baseName.equal(levels_[index].name, false))
            names.append(level.name);
    }
    return names;
}

int TfLevelsDlgData::indexOf(const Vdn_String& name) const {
    for (int i = 0; i < levels_.length(); ++i) {
        if (levels_[i].name.equal(name, false))
            return i;
    }
    return -1;
}
