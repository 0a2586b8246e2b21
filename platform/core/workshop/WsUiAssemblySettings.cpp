#include "platform/core/workshop/WsUiAssemblySettings.h"

#include "platform/core/workshop/WsUiMemberWalk.h"

Acad::ErrorStatus WsUiAssemblySettings::readSetting(const WsUiSettingPath& path, int depth,
                                                    WsUiSettingValue& value,
                                                    Vdn_String* why) const {
    return core::wsui::readMember(*this, path, depth, value, why);
}

Acad::ErrorStatus WsUiAssemblySettings::writeSetting(const WsUiSettingPath& path, int depth,
                                                     const WsUiSettingValue& value,
                                                     Vdn_String* why) {
    return core::wsui::writeMember(*this, path, depth, value, why);
}

const WsUiAssemblyViewSettings* WsUiAssemblySettings::getView(int index) const {
    return mViews.isValidIndex(index) ? &mViews[index] : nullptr;
}

Vdn_StringArray WsUiAssemblySettings::viewNames() const {
    Vdn_StringArray names;
    for (const WsUiAssemblyViewSettings& view : mViews)
        names.append(view.viewName());
    return names;
}

Acad::ErrorStatus WsUiAssemblySettings::appendView(const WsUiAssemblyViewSettings& view,
                                                   Vdn_String* why) {
    return core::wsui::insertElement(mViews, mViews.length(), view, why);
}

Acad::ErrorStatus WsUiAssemblySettings::eraseView(int index) {
    return mViews.removeAt(index) ? Acad::eOk : Acad::eOutOfRange;
}

Acad::ErrorStatus WsUiAssemblySettings::renameView(int index, const Vdn_String& name,
                                                   Vdn_String* why) {
    return core::wsui::renameElement(mViews, index, name, why);
}
