#include "platform/core/workshop/WsUiFormat.h"

#include "platform/core/workshop/WsUiMemberWalk.h"

Acad::ErrorStatus WsUiFormat::readSetting(const WsUiSettingPath& path, int depth,
                                          WsUiSettingValue& value, Vdn_String* why) const {
    return core::wsui::readMember(*this, path, depth, value, why);
}

Acad::ErrorStatus WsUiFormat::writeSetting(const WsUiSettingPath& path, int depth,
                                           const WsUiSettingValue& value, Vdn_String* why) {
    return core::wsui::writeMember(*this, path, depth, value, why);
}
