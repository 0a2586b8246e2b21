#include "platform/core/sections/SectionGroupArray.h"

#include "platform/core/settings/Vdn_Settings.h"

#include <algorithm>

int SectionGroupArray::appendNewGrp(const Vdn_String& name) {
    int highest = -1;
    for (const SectionGroup& group : *this)
        highest = std::max(highest, group.id);
    SectionGroup group;
    group.id = highest + 1;
    group.name = name;
    for (int language = 0; language < Vdn_Settings::kLanguageCount; ++language)
        group.languageNames.append(name);
    return append(std::move(group));
}

int SectionGroupArray::findId(int id) const {
    for (int i = 0; i < length(); ++i) {
        if ((*this)[i].id == id)
            return i;
    }
    return -1;
}

void SectionGroupArray::namesOfAllGroups(Vdn_StringArray& names, Vdn_Array<int>& ids) const {
    names.clear();
    ids.clear();
    for (const SectionGroup& group : *this) {
        names.append(group.name);
        ids.append(group.id);
    }
}
