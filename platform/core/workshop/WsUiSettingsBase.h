#pragma once

#include "platform/core/settings/AcadErrorStatus.h"
#include "platform/core/text/JsonExtras.h"
#include "platform/core/workshop/WsUiSettingPath.h"
#include "platform/core/workshop/WsUiSettingValue.h"

// A part of the workshop settings that settings paths walk. getSetting and setSetting take a
// path relative to this part; neither ever creates anything on its way.
//
// Results: eOk; eKeyNotFound when the path leads to no member or no element of that name, or
// names a part of the settings instead of one value; eNotApplicable when the value is of
// another kind than asked for (integers and longs convert where the value fits); eInvalidInput
// when a value is refused (outside its range, a name that is empty or held by another element,
// a protected base group). A failed call changes nothing; why, when given, receives the
// reason: for refused names and base groups the user's message (numbered texts 20300 and
// 20301), otherwise a short English diagnostic.
class WsUiSettingsBase {
public:
    virtual ~WsUiSettingsBase() = default;

    Acad::ErrorStatus getSetting(const WsUiSettingPath& path, Vdn_String& value) const;
    Acad::ErrorStatus getSetting(const WsUiSettingPath& path, int& value) const;
    Acad::ErrorStatus getSetting(const WsUiSettingPath& path, long& value) const;
    Acad::ErrorStatus getSetting(const WsUiSettingPath& path, Vdn_Array<int>& value) const;
    Acad::ErrorStatus getSetting(const WsUiSettingPath& path, Vdn_StringArray& value) const;
    Acad::ErrorStatus getSetting(const WsUiSettingPath& path, Vdn_Array<double>& value) const;

    Acad::ErrorStatus setSetting(const WsUiSettingPath& path, const Vdn_String& value,
                                 Vdn_String* why = nullptr);
    Acad::ErrorStatus setSetting(const WsUiSettingPath& path, int value, Vdn_String* why = nullptr);
    Acad::ErrorStatus setSetting(const WsUiSettingPath& path, long value,
                                 Vdn_String* why = nullptr);
    Acad::ErrorStatus setSetting(const WsUiSettingPath& path, const Vdn_Array<int>& value,
                                 Vdn_String* why = nullptr);
    Acad::ErrorStatus setSetting(const WsUiSettingPath& path, const Vdn_StringArray& value,
                                 Vdn_String* why = nullptr);
    Acad::ErrorStatus setSetting(const WsUiSettingPath& path, const Vdn_Array<double>& value,
                                 Vdn_String* why = nullptr);

    // The value at path in whatever kind it is stored (for tools that do not know the kinds).
    Acad::ErrorStatus getSettingValue(const WsUiSettingPath& path, WsUiSettingValue& value,
                                      Vdn_String* why = nullptr) const;
    Acad::ErrorStatus setSettingValue(const WsUiSettingPath& path, const WsUiSettingValue& value,
                                      Vdn_String* why = nullptr);

    // The path's walk from component depth on; the typed operations above start it at 0.
    virtual Acad::ErrorStatus readSetting(const WsUiSettingPath& path, int depth,
                                          WsUiSettingValue& value, Vdn_String* why) const = 0;
    virtual Acad::ErrorStatus writeSetting(const WsUiSettingPath& path, int depth,
                                           const WsUiSettingValue& value, Vdn_String* why) = 0;

    // The keys of this part's object in a settings file that the settings do not know, kept so
    // that writing the file back loses nothing.
    const core::JsonExtras& unknownKeys() const { return unknownKeys_; }
    core::JsonExtras& unknownKeys() { return unknownKeys_; }

    bool operator==(const WsUiSettingsBase&) const = default;

protected:
    WsUiSettingsBase() = default;
    WsUiSettingsBase(const WsUiSettingsBase&) = default;
    WsUiSettingsBase(WsUiSettingsBase&&) = default;
    WsUiSettingsBase& operator=(const WsUiSettingsBase&) = default;
    WsUiSettingsBase& operator=(WsUiSettingsBase&&) = default;

private:
    core::JsonExtras unknownKeys_;
};
