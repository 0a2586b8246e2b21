#include "workshop/CSubDlgWsSetViews.h"

#include "platform/ui/controls/CComboBox.h"
#include "platform/ui/windows/WinConstants.h"
#include "workshop/CDlgWsSettings.h"

CSubDlgWsSetViews::CSubDlgWsSetViews(CWnd* parent) : CDlgGeneralSettingsChild(IDD, parent) {
    const auto selected = [this] {
        auto* combo = dynamic_cast<CComboBox*>(GetDlgItem(kViewCombo));
        return combo == nullptr ? -1 : combo->GetCurSel();
    };
    onCommand(kNewButton, BN_CLICKED, [this] {
        if (auto* owner = dynamic_cast<CDlgWsSettings*>(GetParent()))
            owner->addView(item_);
    });
    onCommand(kRenameButton, BN_CLICKED, [this, selected] {
        auto* owner = dynamic_cast<CDlgWsSettings*>(GetParent());
        if (owner != nullptr && selected() >= 0)
            owner->renameView(item_, selected());
    });
    onCommand(kEraseButton, BN_CLICKED, [this, selected] {
        auto* owner = dynamic_cast<CDlgWsSettings*>(GetParent());
        if (owner != nullptr && selected() >= 0)
            owner->eraseView(item_, selected());
    });
}

Acad::ErrorStatus CSubDlgWsSetViews::LoadFromSettings(int item) {
    WsUiGlobalSettings* settings = nullptr;
    WsUiSettingPath path;
    auto* combo = dynamic_cast<CComboBox*>(GetDlgItem(kViewCombo));
    if (combo == nullptr ||
        CDlgWsSettings::GetSettingsAndPath(this, item, settings, path) != Acad::eOk)
        return Acad::eInvalidInput;
    const WsUiAssemblySettings* assembly = settings->assemblySettings(path);
    if (assembly == nullptr)
        return Acad::eInvalidInput;
    combo->ResetContent();
    for (const Vdn_String& name : assembly->viewNames())
        combo->AddString(name.str());
    combo->SetCurSel(combo->GetCount() > 0 ? 0 : -1);
    for (const int id : {kRenameButton, kEraseButton}) {
        if (CWnd* button = GetDlgItem(id))
            button->EnableWindow(combo->GetCount() > 0 ? TRUE : FALSE);
    }
    item_ = item;
    return Acad::eOk;
}

Acad::ErrorStatus CSubDlgWsSetViews::SaveToSettings(int item) {
    WsUiGlobalSettings* settings = nullptr;
    WsUiSettingPath path;
    return CDlgWsSettings::GetSettingsAndPath(this, item, settings, path);
}
