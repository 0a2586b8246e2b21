#include "workshop/CSubDlgWsSetAssemblyView.h"

#include "platform/ui/windows/WinConstants.h"
#include "workshop/CDlgWsSettings.h"
#include "workshop/WsPageFields.h"

using namespace wspage;

namespace {

constexpr int kFeatureCount = 4;
constexpr long kFeatureBits = 0xF;

} // namespace

CSubDlgWsSetAssemblyView::CSubDlgWsSetAssemblyView(CWnd* parent)
    : CDlgGeneralSettingsChild(IDD, parent) {
    onCommand(k3DCheck, BN_CLICKED, [this] { enable3D(); });
}

void CSubDlgWsSetAssemblyView::enable3D() {
    enable(*this, k3DButton, IsDlgButtonChecked(k3DCheck) == BST_CHECKED);
}

Acad::ErrorStatus CSubDlgWsSetAssemblyView::LoadFromSettings(int item) {
    WsUiGlobalSettings* settings = nullptr;
    WsUiSettingPath path;
    if (CDlgWsSettings::GetSettingsAndPath(this, item, settings, path) != Acad::eOk)
        return Acad::eInvalidInput;
    fillCombo(*this, kTypeCombo,
              {L"Zicht voor eindplaat", L"Kopzicht vooraan", L"Kopzicht achteraan",
               L"Een snede van het werkstuk", L"2D zijaanzicht", L"3D overzicht"});
    loadChoice(*this, kTypeCombo, *settings, path, L"mViewType");
    loadText(*this, kDescriptionEdit, *settings, path, L"mDisplayNameTemplate");
    loadText(*this, kScaleEdit, *settings, path, L"mAddedScale");
    long mask = 0;
    if (settings->getSetting(createPath(path, L"mDrawnForFeatures"), mask) == Acad::eOk) {
        for (int i = 0; i < kFeatureCount; ++i)
            CheckDlgButton(kFeatureChecks + i,
                           (mask & (1L << i)) != 0 ? BST_CHECKED : BST_UNCHECKED);
    }
    loadFlag(*this, k3DCheck, *settings, path, L"mActivate3DView");
    enable3D();
    item_ = item;
    return Acad::eOk;
}

Acad::ErrorStatus CSubDlgWsSetAssemblyView::SaveToSettings(int item) {
    WsUiGlobalSettings* settings = nullptr;
    WsUiSettingPath path;
    if (CDlgWsSettings::GetSettingsAndPath(this, item, settings, path) != Acad::eOk)
        return Acad::eInvalidInput;
    saveChoice(*this, kTypeCombo, *settings, path, L"mViewType");
    saveText(*this, kDescriptionEdit, *settings, path, L"mDisplayNameTemplate");
    saveText(*this, kScaleEdit, *settings, path, L"mAddedScale");
    // The boxes own bits 1 to 8; bits the settings may carry beyond them stay as they are.
    const WsUiSettingPath maskPath = createPath(path, L"mDrawnForFeatures");
    long mask = 0;
    if (settings->getSetting(maskPath, mask) == Acad::eOk) {
        mask &= ~kFeatureBits;
        for (int i = 0; i < kFeatureCount; ++i) {
            if (IsDlgButtonChecked(kFeatureChecks + i) == BST_CHECKED)
                mask |= 1L << i;
        }
        settings->setSetting(maskPath, mask);
    }
    saveFlag(*this, k3DCheck, *settings, path, L"mActivate3DView");
    return Acad::eOk;
}
