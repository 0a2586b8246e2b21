#pragma once

#include "platform/core/workshop/WsUiSettingsBase.h"

// One view drawn on the workshop drawing of an assembly: its name (unique among the views of
// the assembly, without regard to case), type (1 to 6), description, added scale, the features
// that make it drawn (bits 1 always, 2 holes, 4 cuts, 8 welded parts) and whether it is a 3D
// view.
class WsUiAssemblyViewSettings : public WsUiSettingsBase {
public:
    static constexpr const char* kNameKey = "mViewName";

    Acad::ErrorStatus readSetting(const WsUiSettingPath& path, int depth, WsUiSettingValue& value,
                                  Vdn_String* why) const override;
    Acad::ErrorStatus writeSetting(const WsUiSettingPath& path, int depth,
                                   const WsUiSettingValue& value, Vdn_String* why) override;

    const Vdn_String& viewName() const { return mViewName; }
    // Names a view that is not yet in an assembly; one that is is renamed through its assembly
    // (WsUiAssemblySettings::renameView or setSetting), which keeps names unique.
    void setViewName(const Vdn_String& name) { mViewName = name; }

    // The element interface of a named list.
    const Vdn_String& name() const { return mViewName; }
    void setName(const Vdn_String& name) { mViewName = name; }
    bool isProtected() const { return false; }

    // Every member in file order (see WsUiFileNamingSettings::visitMembers).
    template <typename Self, typename Visitor> static void visitMembers(Self& self, Visitor& v) {
        v.leaf("mViewName", self.mViewName);
        v.leaf("mViewType", self.mViewType, WsUiRange{1, 6});
        v.leaf("mDisplayNameTemplate", self.mDisplayNameTemplate);
        v.leaf("mAddedScale", self.mAddedScale);
        v.leaf("mDrawnForFeatures", self.mDrawnForFeatures, kWsUiMask);
        v.leaf("mActivate3DView", self.mActivate3DView, kWsUiFlag);
    }

    bool operator==(const WsUiAssemblyViewSettings&) const = default;

private:
    Vdn_String mViewName;
    int mViewType = 1;
    Vdn_String mDisplayNameTemplate;
    Vdn_String mAddedScale = L"1";
    long mDrawnForFeatures = 1;
    int mActivate3DView = 0;
};
