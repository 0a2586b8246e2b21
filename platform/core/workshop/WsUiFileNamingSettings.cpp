#include "platform/core/workshop/WsUiFileNamingSettings.h"

#include "platform/core/workshop/WsUiMemberWalk.h"

Acad::ErrorStatus WsUiFileNamingSettings::readSetting(const WsUiSettingPath& path, int depth,
                                                      WsUiSettingValue& value,
                                                      Vdn_String* why) const {
    return core::wsui::readMember(*this, path, depth, value, why);
}

Acad::ErrorStatus WsUiFileNamingSettings::writeSetting(const WsUiSettingPath& path, int depth,
                                                       const WsUiSettingValue& value,
                                                       Vdn_String* why) {
    return core::wsui::writeMember(*this, path, depth, value, why);
}
