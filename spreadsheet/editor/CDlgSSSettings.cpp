#include "spreadsheet/editor/CDlgSSSettings.h"

#include "platform/core/text/NumberedTexts.h"
#include "platform/ui/controls/CComboBox.h"

namespace {

constexpr int kCaption = 1520;
constexpr int kLabel = 1521;

} // namespace

CDlgSSSettings::CDlgSSSettings(CWnd* parent) : CDialog(IDD, parent) {}

BOOL CDlgSSSettings::OnInitDialog() {
    CDialog::OnInitDialog();
    SetWindowText(dialString(kCaption).str());
    SetDlgItemText(kLanguageLabel, (dialString(kLabel) + L":").str());
    if (auto* combo = dynamic_cast<CComboBox*>(GetDlgItem(kLanguageCombo)))
        combo->SetCurSel(language);
    return TRUE;
}

void CDlgSSSettings::OnOK() {
    if (const auto* combo = dynamic_cast<const CComboBox*>(GetDlgItem(kLanguageCombo)))
        language = combo->GetCurSel();
    CDialog::OnOK();
}
