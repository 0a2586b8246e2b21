#pragma once

#include "platform/core/workshop/WsUiSettingsBase.h"

// How the files of one output (DSTV or DXF) are named: the naming items that make up a name,
// in order, as codes of the naming-item catalogue (WsUiNamingItems.h), the separator between
// them, and an optional folder per value of one naming item (stored as its description).
class WsUiFileNamingSettings : public WsUiSettingsBase {
public:
    Acad::ErrorStatus readSetting(const WsUiSettingPath& path, int depth, WsUiSettingValue& value,
                                  Vdn_String* why) const override;
    Acad::ErrorStatus writeSetting(const WsUiSettingPath& path, int depth,
                                   const WsUiSettingValue& value, Vdn_String* why) override;

    const Vdn_Array<int>& fileNaming() const { return mFileNaming; }
    const Vdn_String& separator() const { return mSeperator; }

    // Every member in file order: v.leaf(name, member[, range of an integer]), v.record(name,
    // part), v.list(name, elements). The one place that lists the members: the path walk and
    // the settings file go through it.
    template <typename Self, typename Visitor> static void visitMembers(Self& self, Visitor& v) {
        v.leaf("mPageNumbering", self.mPageNumbering, kWsUiFlag);
        v.leaf("mFileNaming", self.mFileNaming);
        v.leaf("mSeperator", self.mSeperator);
        v.leaf("mTruncateValues", self.mTruncateValues, kWsUiFlag);
        v.leaf("mFolderNaming", self.mFolderNaming);
    }

    bool operator==(const WsUiFileNamingSettings&) const = default;

private:
    int mPageNumbering = 0;
    Vdn_Array<int> mFileNaming;
    Vdn_String mSeperator = L"_";
    int mTruncateValues = 0;
    Vdn_String mFolderNaming;
};
