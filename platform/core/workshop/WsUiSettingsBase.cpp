#include "platform/core/workshop/WsUiSettingsBase.h"

#include "platform/core/workshop/WsUiMemberWalk.h"

const char* wsUiKindName(const WsUiSettingValue& value) {
    static constexpr const char* kNames[] = {"text",
                                             "an integer",
                                             "an integer",
                                             "a list of integers",
                                             "a list of texts",
                                             "a list of numbers"};
    return kNames[value.index()];
}

namespace {

template <typename T>
Acad::ErrorStatus getTyped(const WsUiSettingsBase& settings, const WsUiSettingPath& path, T& out) {
    WsUiSettingValue value;
    const Acad::ErrorStatus status = settings.readSetting(path, 0, value, nullptr);
    if (status != Acad::eOk)
        return status;
    return core::wsui::convertValue(value, out) ? Acad::eOk : Acad::eNotApplicable;
}

} // namespace

Acad::ErrorStatus WsUiSettingsBase::getSetting(const WsUiSettingPath& path,
                                               Vdn_String& value) const {
    return getTyped(*this, path, value);
}
Acad::ErrorStatus WsUiSettingsBase::getSetting(const WsUiSettingPath& path, int& value) const {
    return getTyped(*this, path, value);
}
Acad::ErrorStatus WsUiSettingsBase::getSetting(const WsUiSettingPath& path, long& value) const {
    return getTyped(*this, path, value);
}
Acad::ErrorStatus WsUiSettingsBase::getSetting(const WsUiSettingPath& path,
                                               Vdn_Array<int>& value) const {
    return getTyped(*this, path, value);
}
Acad::ErrorStatus WsUiSettingsBase::getSetting(const WsUiSettingPath& path,
                                               Vdn_StringArray& value) const {
    return getTyped(*this, path, value);
}
Acad::ErrorStatus WsUiSettingsBase::getSetting(const WsUiSettingPath& path,
                                               Vdn_Array<double>& value) const {
    return getTyped(*this, path, value);
}

Acad::ErrorStatus WsUiSettingsBase::setSetting(const WsUiSettingPath& path, const Vdn_String& value,
                                               Vdn_String* why) {
    return writeSetting(path, 0, WsUiSettingValue(value), why);
}
Acad::ErrorStatus WsUiSettingsBase::setSetting(const WsUiSettingPath& path, int value,
                                               Vdn_String* why) {
    return writeSetting(path, 0, WsUiSettingValue(value), why);
}
Acad::ErrorStatus WsUiSettingsBase::setSetting(const WsUiSettingPath& path, long value,
                                               Vdn_String* why) {
    return writeSetting(path, 0, WsUiSettingValue(value), why);
}
Acad::ErrorStatus WsUiSettingsBase::setSetting(const WsUiSettingPath& path,
                                               const Vdn_Array<int>& value, Vdn_String* why) {
    return writeSetting(path, 0, WsUiSettingValue(value), why);
}
Acad::ErrorStatus WsUiSettingsBase::setSetting(const WsUiSettingPath& path,
                                               const Vdn_StringArray& value, Vdn_String* why) {
    return writeSetting(path, 0, WsUiSettingValue(value), why);
}
Acad::ErrorStatus WsUiSettingsBase::setSetting(const WsUiSettingPath& path,
                                               const Vdn_Array<double>& value, Vdn_String* why) {
    return writeSetting(path, 0, WsUiSettingValue(value), why);
}

Acad::ErrorStatus WsUiSettingsBase::getSettingValue(const WsUiSettingPath& path,
                                                    WsUiSettingValue& value,
                                                    Vdn_String* why) const {
    return readSetting(path, 0, value, why);
}

Acad::ErrorStatus WsUiSettingsBase::setSettingValue(const WsUiSettingPath& path,
                                                    const WsUiSettingValue& value,
                                                    Vdn_String* why) {
    return writeSetting(path, 0, value, why);
}
