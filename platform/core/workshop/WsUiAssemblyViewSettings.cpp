#include "platform/core/workshop/WsUiAssemblyViewSettings.h"

#include "platform/core/workshop/WsUiMemberWalk.h"

Acad::ErrorStatus WsUiAssemblyViewSettings::readSetting(const WsUiSettingPath& path, int depth,
                                                        WsUiSettingValue& value,
                                                        Vdn_String* why) const {
    return core::wsui::readMember(*this, path, depth, value, why);
}

Acad::ErrorStatus WsUiAssemblyViewSettings::writeSetting(const WsUiSettingPath& path, int depth,
                                                         const WsUiSettingValue& value,
                                                         Vdn_String* why) {
    return core::wsui::writeMember(*this, path, depth, value, why);
}
