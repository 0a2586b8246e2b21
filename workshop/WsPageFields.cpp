#include "workshop/WsPageFields.h"

#include "platform/ui/controls/CComboBox.h"
#include "platform/ui/windows/WinConstants.h"

namespace wspage {

namespace {

CComboBox* comboOf(const CWnd& page, int id) {
    return dynamic_cast<CComboBox*>(page.GetDlgItem(id));
}

} // namespace

void loadText(CWnd& page, int id, const WsUiSettingsBase& settings, const WsUiSettingPath& path,
              const wchar_t* member) {
    Vdn_String value;
    if (settings.getSetting(createPath(path, member), value) == Acad::eOk)
        page.SetDlgItemText(id, value.str());
}

void saveText(const CWnd& page, int id, WsUiSettingsBase& settings, const WsUiSettingPath& path,
              const wchar_t* member) {
    std::wstring value;
    page.GetDlgItemText(id, value);
    settings.setSetting(createPath(path, member), Vdn_String(value));
}

void loadFlag(CWnd& page, int id, const WsUiSettingsBase& settings, const WsUiSettingPath& path,
              const wchar_t* member) {
    int value = 0;
    if (settings.getSetting(createPath(path, member), value) == Acad::eOk)
        page.CheckDlgButton(id, value != 0 ? BST_CHECKED : BST_UNCHECKED);
}

void saveFlag(const CWnd& page, int id, WsUiSettingsBase& settings, const WsUiSettingPath& path,
              const wchar_t* member) {
    settings.setSetting(createPath(path, member),
                        page.IsDlgButtonChecked(id) == BST_CHECKED ? 1 : 0);
}

void loadChoice(CWnd& page, int id, const WsUiSettingsBase& settings, const WsUiSettingPath& path,
                const wchar_t* member) {
    int value = 0;
    CComboBox* combo = comboOf(page, id);
    if (combo != nullptr && settings.getSetting(createPath(path, member), value) == Acad::eOk)
        combo->SetCurSel(value >= 1 && value <= combo->GetCount() ? value - 1 : -1);
}

void saveChoice(const CWnd& page, int id, WsUiSettingsBase& settings, const WsUiSettingPath& path,
                const wchar_t* member) {
    const CComboBox* combo = comboOf(page, id);
    if (combo != nullptr && combo->GetCurSel() >= 0)
        settings.setSetting(createPath(path, member), combo->GetCurSel() + 1);
}

void fillCombo(CWnd& page, int id, std::initializer_list<Vdn_String> entries) {
    CComboBox* combo = comboOf(page, id);
    if (combo == nullptr || combo->GetCount() > 0)
        return;
    for (const Vdn_String& entry : entries)
        combo->AddString(entry.str());
}

void enable(CWnd& page, int id, bool on) {
    if (CWnd* control = page.GetDlgItem(id))
        control->EnableWindow(on ? TRUE : FALSE);
}

} // namespace wspage
