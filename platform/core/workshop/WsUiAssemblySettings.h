#pragma once

#include "platform/core/workshop/WsUiAssemblyViewSettings.h"

// How the workshop drawing of an assembly (workpiece) of a group is laid out: its template,
// projection symbol, shortening of long parts, and its views, in order.
class WsUiAssemblySettings : public WsUiSettingsBase {
public:
    Acad::ErrorStatus readSetting(const WsUiSettingPath& path, int depth, WsUiSettingValue& value,
                                  Vdn_String* why) const override;
    Acad::ErrorStatus writeSetting(const WsUiSettingPath& path, int depth,
                                   const WsUiSettingValue& value, Vdn_String* why) override;

    int nrViews() const { return mViews.length(); }
    // The view at index, or null.
    const WsUiAssemblyViewSettings* getView(int index) const;
    Vdn_StringArray viewNames() const;
    // Adds view at the end. eInvalidInput, with the reason in why, when its name is empty or
    // held by another view.
    Acad::ErrorStatus appendView(const WsUiAssemblyViewSettings& view, Vdn_String* why = nullptr);
    // eOutOfRange for an index outside the views.
    Acad::ErrorStatus eraseView(int index);
    // Renames the view at index, refusing as appendView does; the same name changes nothing.
    Acad::ErrorStatus renameView(int index, const Vdn_String& name, Vdn_String* why = nullptr);

    // Every member in file order (see WsUiFileNamingSettings::visitMembers).
    template <typename Self, typename Visitor> static void visitMembers(Self& self, Visitor& v) {
        v.leaf("mConfigurationTemplate", self.mConfigurationTemplate);
        v.leaf("mProjectionSymbolName", self.mProjectionSymbolName);
        v.leaf("mOnlyOneWebView", self.mOnlyOneWebView, kWsUiFlag);
        v.leaf("mDrawSectionWithArrows", self.mDrawSectionWithArrows, kWsUiFlag);
        v.leaf("mShortening", self.mShortening, kWsUiFlag);
        v.leaf("mShorteningStyle", self.mShorteningStyle, WsUiRange{1, 4});
        v.leaf("mShorteningOpening", self.mShorteningOpening);
        v.leaf("mMinLengthAfterShortening", self.mMinLengthAfterShortening);
        v.list("mViews", self.mViews);
    }

    bool operator==(const WsUiAssemblySettings&) const = default;

private:
    Vdn_String mConfigurationTemplate;
    Vdn_String mProjectionSymbolName = L"EU Projectie";
    int mOnlyOneWebView = 0;
    int mDrawSectionWithArrows = 0;
    int mShortening = 0;
    int mShorteningStyle = 1;
    Vdn_String mShorteningOpening;
    Vdn_String mMinLengthAfterShortening;
    Vdn_Array<WsUiAssemblyViewSettings> mViews;
};
