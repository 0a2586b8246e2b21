#include "macro/dialog/SectionList.h"

#include "designer/Vdn_DlgDesignerData.h"
#include "library/Vdn_ProfValuesTable.h"
#include "platform/core/sections/Vdn_SectionTableManager.h"

SectionList::SectionList(const Vdn_String& section) {
    if (section.isEmpty())
        return;
    if (section.startsWith(kUserSections, false)) {
        systemNames_.append(section);
        return;
    }
    const int dash = section.find(L"-");
    Vdn_ProfValuesTable table;
    if (table.readFromFile(dash < 0 ? section : section.substr(0, dash)))
        table.getFilteredSysNames(systemNames_);
    // A section its table lacks (or without a table) is still offered, so it shows and stays.
    if (systemNames_.find(section, false) < 0)
        systemNames_.insertAt(0, section);
}

Vdn_StringArray SectionList::items() const {
    Vdn_StringArray shown;
    for (const Vdn_String& name : systemNames_)
        shown.append(displayName(name));
    shown.append(Vdn_DlgDesignerData::undeterminedText());
    return shown;
}

Vdn_String SectionList::displayName(const Vdn_String& section) {
    if (section.startsWith(kUserSections, false)) {
        Vdn_String name = section.substr(Vdn_String(kUserSections).length());
        const int dot = name.find(L".");
        return dot > 0 ? name.substr(0, dot) : name;
    }
    Vdn_String userName;
    return gSectionTables.getUserName(section, userName) && !userName.isEmpty() ? userName
                                                                                : section;
}

Vdn_String SectionList::systemNameAt(int index) const {
    return systemNames_.isValidIndex(index) ? systemNames_[index] : Vdn_String();
}
