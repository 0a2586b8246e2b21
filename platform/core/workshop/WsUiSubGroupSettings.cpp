#include "platform/core/workshop/WsUiSubGroupSettings.h"

#include "platform/core/workshop/WsUiMemberWalk.h"

bool WsUiSubGroupSettings::isBaseGroupName(const Vdn_String& name) {
    for (const wchar_t* base : {L"Plates", L"Members", L"Marks", L"UOGs"}) {
        if (name.equal(base, false))
            return true;
    }
    return false;
}

bool WsUiSubGroupSettings::isLockedMember(const char* member) const {
    if (!isProtected())
        return false;
    for (const char* locked : {"mGroupName", "mType", "mFilterProperties", "mFilterValues"}) {
        if (std::string_view(member) == locked)
            return true;
    }
    return false;
}

Acad::ErrorStatus WsUiSubGroupSettings::readSetting(const WsUiSettingPath& path, int depth,
                                                    WsUiSettingValue& value,
                                                    Vdn_String* why) const {
    return core::wsui::readMember(*this, path, depth, value, why);
}

Acad::ErrorStatus WsUiSubGroupSettings::writeSetting(const WsUiSettingPath& path, int depth,
                                                     const WsUiSettingValue& value,
                                                     Vdn_String* why) {
    return core::wsui::writeMember(*this, path, depth, value, why);
}
