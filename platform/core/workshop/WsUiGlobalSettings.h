#pragma once

#include "platform/core/workshop/WsUiFileNamingSettings.h"
#include "platform/core/workshop/WsUiFormat.h"
#include "platform/core/workshop/WsUiSubGroupSettings.h"

// The global workshop-drawing settings: dimension styles, the naming of DSTV and DXF files,
// the paper formats and the groups of objects, in order. Read from and written to a settings
// file by WsUiSettingsFile. Names in the lists are unique without regard to case; the
// operations that add or rename keep them so.
class WsUiGlobalSettings : public WsUiSettingsBase {
public:
    Acad::ErrorStatus readSetting(const WsUiSettingPath& path, int depth, WsUiSettingValue& value,
                                  Vdn_String* why) const override;
    Acad::ErrorStatus writeSetting(const WsUiSettingPath& path, int depth,
                                   const WsUiSettingValue& value, Vdn_String* why) override;

    int nrGroups() const { return mGroupedSettings.length(); }
    // The group at index, or null.
    const WsUiSubGroupSettings* getGroup(int index) const;
    // The group that path lies in (a path through mGroupedSettings / G), or null.
    const WsUiSubGroupSettings* getGroup(const WsUiSettingPath& path) const;
    // The assembly settings of the group that path lies in, to add and erase its views; null
    // when the path lies in no group.
    WsUiAssemblySettings* assemblySettings(const WsUiSettingPath& path);
    Vdn_StringArray allGroupNames() const;
    // Adds group at the end. eInvalidInput, with the reason in why, when its name is empty or
    // held by another group.
    Acad::ErrorStatus appendGroup(const WsUiSubGroupSettings& group, Vdn_String* why = nullptr);
    // eKeyNotFound when no group has the name; eInvalidInput for a base group.
    Acad::ErrorStatus removeGroup(const Vdn_String& name, Vdn_String* why = nullptr);
    // Renames the group, refusing as appendGroup does and for a base group; the same name
    // changes nothing.
    Acad::ErrorStatus renameGroup(const Vdn_String& name, const Vdn_String& newName,
                                  Vdn_String* why = nullptr);

    int nrFormats() const { return mFormats.length(); }
    const WsUiFormat* getFormat(int index) const;
    Vdn_StringArray formatNames() const;
    // Inserts format before index (index == nrFormats() appends). eOutOfRange for another
    // index; eInvalidInput when its name is empty or held by another format.
    Acad::ErrorStatus insertFormat(int index, const WsUiFormat& format, Vdn_String* why = nullptr);
    // eOutOfRange for an index outside the formats.
    Acad::ErrorStatus deleteFormat(int index);
    Acad::ErrorStatus renameFormat(int index, const Vdn_String& name, Vdn_String* why = nullptr);

    const WsUiFileNamingSettings& dstvFileNaming() const { return mDSTVFileNaming; }
    const WsUiFileNamingSettings& dxfFileNaming() const { return mDXFFileNaming; }

    // Every member in file order (see WsUiFileNamingSettings::visitMembers).
    template <typename Self, typename Visitor> static void visitMembers(Self& self, Visitor& v) {
        v.leaf("mDimStyleTemplate", self.mDimStyleTemplate);
        v.leaf("mAcadDimStyle", self.mAcadDimStyle);
        v.leaf("mTfDimStyle", self.mTfDimStyle);
        v.leaf("mDSTVWeldpointsOnMarks", self.mDSTVWeldpointsOnMarks, kWsUiFlag);
        v.leaf("mAddStripsToPlates", self.mAddStripsToPlates, kWsUiFlag);
        v.record("mDSTVFileNaming", self.mDSTVFileNaming);
        v.record("mDXFFileNaming", self.mDXFFileNaming);
        v.list("mFormats", self.mFormats);
        v.list("mGroupedSettings", self.mGroupedSettings);
    }

    bool operator==(const WsUiGlobalSettings&) const = default;

private:
    Vdn_String mDimStyleTemplate;
    Vdn_String mAcadDimStyle;
    Vdn_String mTfDimStyle;
    int mDSTVWeldpointsOnMarks = 0;
    int mAddStripsToPlates = 0;
    WsUiFileNamingSettings mDSTVFileNaming;
    WsUiFileNamingSettings mDXFFileNaming;
    Vdn_Array<WsUiFormat> mFormats;
    Vdn_Array<WsUiSubGroupSettings> mGroupedSettings;
};
