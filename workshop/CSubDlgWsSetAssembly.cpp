#include "workshop/CSubDlgWsSetAssembly.h"

#include "platform/core/text/NumberedTexts.h"
#include "platform/ui/controls/CComboBox.h"
#include "platform/ui/windows/WinConstants.h"
#include "workshop/CDlgWsSettings.h"
#include "workshop/WsPageFields.h"

using namespace wspage;

namespace {

constexpr int kChangeText = 132;
constexpr int kMarksType = 3;

} // namespace

CSubDlgWsSetAssembly::CSubDlgWsSetAssembly(CWnd* parent) : CDlgGeneralSettingsChild(IDD, parent) {
    onCommand(kShorteningCheck, BN_CLICKED, [this] { enableShortening(); });
}

void CSubDlgWsSetAssembly::enableShortening() {
    const bool on = IsDlgButtonChecked(kShorteningCheck) == BST_CHECKED;
    for (const int id : {kStyleCombo, kOpeningEdit, kMinLengthEdit})
        enable(*this, id, on);
}

Acad::ErrorStatus CSubDlgWsSetAssembly::LoadFromSettings(int item) {
    WsUiGlobalSettings* settings = nullptr;
    WsUiSettingPath path;
    if (CDlgWsSettings::GetSettingsAndPath(this, item, settings, path) != Acad::eOk)
        return Acad::eInvalidInput;
    SetDlgItemText(kMarksButton, dialString(kChangeText).str());
    fillCombo(*this, kProjectionCombo, {L"EU Projectie", L"US Projectie"});
    fillCombo(*this, kStyleCombo,
              {L"met 2 verticale lijnen", L"met 2 lange verticale lijnen", L"zonder lijnen",
               L"met willekeurig kromme lijnen"});
    loadText(*this, kTemplateCombo, *settings, path, L"mConfigurationTemplate");
    loadText(*this, kProjectionCombo, *settings, path, L"mProjectionSymbolName");
    loadFlag(*this, kOneWebViewCheck, *settings, path, L"mOnlyOneWebView");
    loadFlag(*this, kSectionArrowsCheck, *settings, path, L"mDrawSectionWithArrows");
    loadFlag(*this, kShorteningCheck, *settings, path, L"mShortening");
    loadChoice(*this, kStyleCombo, *settings, path, L"mShorteningStyle");
    loadText(*this, kOpeningEdit, *settings, path, L"mShorteningOpening");
    loadText(*this, kMinLengthEdit, *settings, path, L"mMinLengthAfterShortening");
    enableShortening();
    // The group's type lies one step up, beside the assembly settings.
    WsUiSettingPath groupPath = path;
    groupPath.removeLastPath();
    int type = 0;
    settings->getSetting(createPath(groupPath, L"mType"), type);
    enable(*this, kMarksButton, type == kMarksType);
    item_ = item;
    return Acad::eOk;
}

Acad::ErrorStatus CSubDlgWsSetAssembly::SaveToSettings(int item) {
    WsUiGlobalSettings* settings = nullptr;
    WsUiSettingPath path;
    if (CDlgWsSettings::GetSettingsAndPath(this, item, settings, path) != Acad::eOk)
        return Acad::eInvalidInput;
    saveText(*this, kTemplateCombo, *settings, path, L"mConfigurationTemplate");
    saveText(*this, kProjectionCombo, *settings, path, L"mProjectionSymbolName");
    saveFlag(*this, kOneWebViewCheck, *settings, path, L"mOnlyOneWebView");
    saveFlag(*this, kSectionArrowsCheck, *settings, path, L"mDrawSectionWithArrows");
    saveFlag(*this, kShorteningCheck, *settings, path, L"mShortening");
    saveChoice(*this, kStyleCombo, *settings, path, L"mShorteningStyle");
    saveText(*this, kOpeningEdit, *settings, path, L"mShorteningOpening");
    saveText(*this, kMinLengthEdit, *settings, path, L"mMinLengthAfterShortening");
    return Acad::eOk;
}
