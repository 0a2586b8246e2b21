#pragma once

#include "platform/core/workshop/WsUiAssemblySettings.h"

// A group of objects for which workshop drawings are made: its name (unique among the groups,
// without regard to case), type (1 plates, 2 members, 3 marks, 4 user object group), the
// filters that choose its objects (property codes of the naming-item catalogue with a value
// each, in parallel lists) and its assembly settings.
//
// The four base groups "Plates", "Members", "Marks" and "UOGs" (names compared without regard
// to case) are protected: their name, type and filters cannot be changed and they cannot be
// removed.
class WsUiSubGroupSettings : public WsUiSettingsBase {
public:
    static constexpr const char* kNameKey = "mGroupName";

    static bool isBaseGroupName(const Vdn_String& name);

    Acad::ErrorStatus readSetting(const WsUiSettingPath& path, int depth, WsUiSettingValue& value,
                                  Vdn_String* why) const override;
    Acad::ErrorStatus writeSetting(const WsUiSettingPath& path, int depth,
                                   const WsUiSettingValue& value, Vdn_String* why) override;

    const Vdn_String& groupName() const { return mGroupName; }
    // Names a group that is not yet in the settings; one that is is renamed through the
    // settings (WsUiGlobalSettings::renameGroup or setSetting), which keep names unique.
    void setGroupName(const Vdn_String& name) { mGroupName = name; }
    int type() const { return mType; }
    const Vdn_Array<int>& filterProperties() const { return mFilterProperties; }
    const Vdn_StringArray& filterValues() const { return mFilterValues; }
    const WsUiAssemblySettings& assemblySettings() const { return mAssemblySettings; }
    WsUiAssemblySettings& assemblySettings() { return mAssemblySettings; }

    // The element interface of a named list.
    const Vdn_String& name() const { return mGroupName; }
    void setName(const Vdn_String& name) { mGroupName = name; }
    bool isProtected() const { return isBaseGroupName(mGroupName); }
    // Whether the member may not change: the name, type and filters of a base group.
    bool isLockedMember(const char* member) const;

    // Every member in file order (see WsUiFileNamingSettings::visitMembers).
    template <typename Self, typename Visitor> static void visitMembers(Self& self, Visitor& v) {
        v.leaf("mGroupName", self.mGroupName);
        v.leaf("mType", self.mType, WsUiRange{1, 4});
        v.leaf("mFilterProperties", self.mFilterProperties);
        v.leaf("mFilterValues", self.mFilterValues);
        v.record("mAssemblySettings", self.mAssemblySettings);
    }

    bool operator==(const WsUiSubGroupSettings&) const = default;

private:
    Vdn_String mGroupName;
    int mType = 1;
    Vdn_Array<int> mFilterProperties;
    Vdn_StringArray mFilterValues;
    WsUiAssemblySettings mAssemblySettings;
};
