#pragma once

#include "platform/core/workshop/WsUiSettingsBase.h"

// A paper format of the workshop drawings: its name (unique among the formats, without regard
// to case), whether it is offered, its size in millimetres as typed, and the scales permitted
// on it (the n of 1:n).
class WsUiFormat : public WsUiSettingsBase {
public:
    static constexpr const char* kNameKey = "mFormatName";

    Acad::ErrorStatus readSetting(const WsUiSettingPath& path, int depth, WsUiSettingValue& value,
                                  Vdn_String* why) const override;
    Acad::ErrorStatus writeSetting(const WsUiSettingPath& path, int depth,
                                   const WsUiSettingValue& value, Vdn_String* why) override;

    const Vdn_String& formatName() const { return mFormatName; }
    // Names a format that is not yet in the settings; one that is is renamed through the
    // settings (WsUiGlobalSettings::renameFormat or setSetting), which keep names unique.
    void setFormatName(const Vdn_String& name) { mFormatName = name; }
    const Vdn_Array<double>& permittedScales() const { return mPermittedScales; }

    // The element interface of a named list.
    const Vdn_String& name() const { return mFormatName; }
    void setName(const Vdn_String& name) { mFormatName = name; }
    bool isProtected() const { return false; }

    // Every member in file order (see WsUiFileNamingSettings::visitMembers).
    template <typename Self, typename Visitor> static void visitMembers(Self& self, Visitor& v) {
        v.leaf("mFormatName", self.mFormatName);
        v.leaf("mEnabled", self.mEnabled, kWsUiFlag);
        v.leaf("mFormatWidth", self.mFormatWidth);
        v.leaf("mFormatHeight", self.mFormatHeight);
        v.leaf("mPermittedScales", self.mPermittedScales);
    }

    bool operator==(const WsUiFormat&) const = default;

private:
    Vdn_String mFormatName;
    int mEnabled = 1;
    Vdn_String mFormatWidth;
    Vdn_String mFormatHeight;
    Vdn_Array<double> mPermittedScales;
};
