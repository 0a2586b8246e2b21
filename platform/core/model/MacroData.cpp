#include "platform/core/model/MacroData.h"

#include "platform/core/text/NamedItems.h"

#include <utility>

int MacroData::findTab(const Vdn_String& tabName) const {
    return core::indexOfName(tabs, tabName);
}

MacroTabData* MacroData::getTab(int index) {
    return tabs.isValidIndex(index) ? &tabs[index] : nullptr;
}

const MacroTabData* MacroData::getTab(int index) const {
    return tabs.isValidIndex(index) ? &tabs[index] : nullptr;
}

MacroTabData* MacroData::tabOfModule(const Vdn_String& moduleName) {
    return const_cast<MacroTabData*>(std::as_const(*this).tabOfModule(moduleName));
}

const MacroTabData* MacroData::tabOfModule(const Vdn_String& moduleName) const {
    if (const MacroTabData* named = getTab(findTab(moduleName)))
        return named;
    for (const MacroTabData& tab : tabs) {
        for (const Vdn_String& module : tab.moduleNames) {
            if (module.equal(moduleName, false))
                return &tab;
        }
    }
    return nullptr;
}

bool MacroData::getMergedPropsOfGroup(const Vdn_String& moduleName, const Vdn_String& group,
                                      MacroProfData& props) const {
    const MacroTabData* tab = tabOfModule(moduleName);
    return tab != nullptr && tab->getMergedPropsOfGroup(group, props);
}

bool MacroData::setMergedPropsOfGroup(const Vdn_String& moduleName, const Vdn_String& group,
                                      const MacroProfData& props) {
    MacroTabData* tab = tabOfModule(moduleName);
    return tab != nullptr && tab->setMergedPropsOfGroup(group, props);
}
