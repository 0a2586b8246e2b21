#include "platform/core/workshop/WsUiGlobalSettings.h"

#include "platform/core/workshop/WsUiMemberWalk.h"

namespace {

// The index of the group that path lies in (mGroupedSettings / G / ...), or -1.
int groupIndexOf(const Vdn_Array<WsUiSubGroupSettings>& groups, const WsUiSettingPath& path) {
    const int at = path.findPath(L"mGroupedSettings");
    if (at < 0 || at + 1 >= path.length())
        return -1;
    return core::wsui::indexOfElement(groups, path.component(at + 1));
}

} // namespace

Acad::ErrorStatus WsUiGlobalSettings::readSetting(const WsUiSettingPath& path, int depth,
                                                  WsUiSettingValue& value, Vdn_String* why) const {
    return core::wsui::readMember(*this, path, depth, value, why);
}

Acad::ErrorStatus WsUiGlobalSettings::writeSetting(const WsUiSettingPath& path, int depth,
                                                   const WsUiSettingValue& value, Vdn_String* why) {
    return core::wsui::writeMember(*this, path, depth, value, why);
}

const WsUiSubGroupSettings* WsUiGlobalSettings::getGroup(int index) const {
    return mGroupedSettings.isValidIndex(index) ? &mGroupedSettings[index] : nullptr;
}

const WsUiSubGroupSettings* WsUiGlobalSettings::getGroup(const WsUiSettingPath& path) const {
    return getGroup(groupIndexOf(mGroupedSettings, path));
}

WsUiAssemblySettings* WsUiGlobalSettings::assemblySettings(const WsUiSettingPath& path) {
    const int index = groupIndexOf(mGroupedSettings, path);
    return index < 0 ? nullptr : &mGroupedSettings[index].assemblySettings();
}

Vdn_StringArray WsUiGlobalSettings::allGroupNames() const {
    Vdn_StringArray names;
    for (const WsUiSubGroupSettings& group : mGroupedSettings)
        names.append(group.groupName());
    return names;
}

Acad::ErrorStatus WsUiGlobalSettings::appendGroup(const WsUiSubGroupSettings& group,
                                                  Vdn_String* why) {
    return core::wsui::insertElement(mGroupedSettings, mGroupedSettings.length(), group, why);
}

Acad::ErrorStatus WsUiGlobalSettings::removeGroup(const Vdn_String& name, Vdn_String* why) {
    const int index = core::wsui::indexOfElement(mGroupedSettings, name);
    if (index < 0)
        return core::wsui::failWith(Acad::eKeyNotFound, why, L"no group named \"" + name + L"\"");
    if (mGroupedSettings[index].isProtected())
        return core::wsui::failWith(Acad::eInvalidInput, why, core::wsUiBaseGroupsText());
    mGroupedSettings.removeAt(index);
    return Acad::eOk;
}

Acad::ErrorStatus WsUiGlobalSettings::renameGroup(const Vdn_String& name, const Vdn_String& newName,
                                                  Vdn_String* why) {
    const int index = core::wsui::indexOfElement(mGroupedSettings, name);
    if (index < 0)
        return core::wsui::failWith(Acad::eKeyNotFound, why, L"no group named \"" + name + L"\"");
    return core::wsui::renameElement(mGroupedSettings, index, newName, why);
}

const WsUiFormat* WsUiGlobalSettings::getFormat(int index) const {
    return mFormats.isValidIndex(index) ? &mFormats[index] : nullptr;
}

Vdn_StringArray WsUiGlobalSettings::formatNames() const {
    Vdn_StringArray names;
    for (const WsUiFormat& format : mFormats)
        names.append(format.formatName());
    return names;
}

Acad::ErrorStatus WsUiGlobalSettings::insertFormat(int index, const WsUiFormat& format,
                                                   Vdn_String* why) {
    return core::wsui::insertElement(mFormats, index, format, why);
}

Acad::ErrorStatus WsUiGlobalSettings::deleteFormat(int index) {
    return mFormats.removeAt(index) ? Acad::eOk : Acad::eOutOfRange;
}

Acad::ErrorStatus WsUiGlobalSettings::renameFormat(int index, const Vdn_String& name,
                                                   Vdn_String* why) {
    return core::wsui::renameElement(mFormats, index, name, why);
}
