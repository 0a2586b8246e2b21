#include "platform/core/model/TfLevelsDlgData.h"

#include <cmath>

namespace {

bool isWorldBase(const Vdn_String& name) {
    return name.equal(TfLevelsDlgData::kWorldBase, false);
}

} // namespace

void TfLevelsDlgData::getNames(Vdn_StringArray& names) const {
    names.clear();
    for (const Level& level : mLevels)
        names.append(level.name);
}

bool TfLevelsDlgData::getLevelData(int index, Vdn_String& name, Vdn_String& baseName,
                                   double& value1, double& value2) const {
    if (!mLevels.isValidIndex(index))
        return false;
    const Level& level = mLevels[index];
    name = level.name;
    baseName = level.baseName;
    value1 = level.value;
    // The chains never loop; the step bound only keeps a damaged copy from hanging.
    double absolute = level.value;
    int base = indexOf(level.baseName);
    for (int steps = 0; base >= 0 && steps < mLevels.length(); ++steps) {
        absolute += mLevels[base].value;
        base = indexOf(mLevels[base].baseName);
    }
    value2 = absolute;
    return true;
}

bool TfLevelsDlgData::addLevel(const Vdn_String& name, int& index) {
    index = -1;
    if (name.isEmpty() || isNameTaken(name))
        return false;
    index = mLevels.append(Level{name});
    return true;
}

bool TfLevelsDlgData::deleteLevel(int index) {
    if (!mLevels.isValidIndex(index) || !levelsOn(index).isEmpty())
        return false;
    return mLevels.removeAt(index);
}

bool TfLevelsDlgData::updateLevel(int index, double value) {
    if (!mLevels.isValidIndex(index) || !std::isfinite(value))
        return false;
    mLevels[index].value = value;
    return true;
}

bool TfLevelsDlgData::updateLevel(int index, const Vdn_String& baseName) {
    if (!canRestOn(index, baseName))
        return false;
    const int base = indexOf(baseName);
    // Stored as the base spells itself.
    mLevels[index].baseName = base >= 0 ? mLevels[base].name : Vdn_String(kWorldBase);
    return true;
}

bool TfLevelsDlgData::canRestOn(int index, const Vdn_String& baseName) const {
    if (!mLevels.isValidIndex(index))
        return false;
    if (isWorldBase(baseName))
        return true;
    int base = indexOf(baseName);
    // Walks down from the proposed base: meeting this level means it would rest on itself.
    for (int steps = 0; base >= 0 && steps <= mLevels.length(); ++steps) {
        if (base == index)
            return false;
        base = indexOf(mLevels[base].baseName);
    }
    return indexOf(baseName) >= 0;
}

bool TfLevelsDlgData::isNameTaken(const Vdn_String& name) const {
    return isWorldBase(name) || indexOf(name) >= 0;
}

Vdn_StringArray TfLevelsDlgData::levelsOn(int index) const {
    Vdn_StringArray names;
    if (!mLevels.isValidIndex(index))
        return names;
    for (const Level& level : mLevels) {
        if (level.baseName.equal(mLevels[index].name, false))
            names.append(level.name);
    }
    return names;
}

int TfLevelsDlgData::indexOf(const Vdn_String& name) const {
    for (int i = 0; i < mLevels.length(); ++i) {
        if (mLevels[i].name.equal(name, false))
            return i;
    }
    return -1;
}
