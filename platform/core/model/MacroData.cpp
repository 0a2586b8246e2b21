#include "platform/core/model/MacroData.h"

#include "platform/core/text/NamedItems.h"

int MacroData::findTab(const Vdn_String& tabName) const {
    return core::indexOfName(tabs, tabName);
}

MacroTabData* MacroData::getTab(int index) {
    return tabs.isValidIndex(index) ? &tabs[index] : nullptr;
}

const MacroTabData* MacroData::getTab(int index) const {
    return tabs.isValidIndex(index) ? &tabs[index] : nullptr;
}
