#include "spreadsheet/Vdn_DlgPromptString.h"

#include "platform/ui/controls/CEdit.h"

Vdn_DlgPromptString::Vdn_DlgPromptString(CWnd* parent) : CDialog(IDD, parent) {}

BOOL Vdn_DlgPromptString::OnInitDialog() {
    CDialog::OnInitDialog();
    SetWindowText(caption.str());
    SetDlgItemText(kLabel, label.str());
    SetDlgItemText(kValueEdit, value.str());
    if (!okCaption.isEmpty())
        SetDlgItemText(IDOK, okCaption.str());
    if (!cancelCaption.isEmpty())
        SetDlgItemText(IDCANCEL, cancelCaption.str());
    auto* edit = dynamic_cast<CEdit*>(GetDlgItem(kValueEdit));
    if (edit == nullptr)
        return TRUE;
    if (!valueShown) {
        edit->ShowWindow(SW_HIDE);
        return TRUE;
    }
    GotoDlgCtrl(edit);
    edit->SetSel(0, -1);
    return FALSE;
}

void Vdn_DlgPromptString::OnOK() {
    if (valueShown) {
        std::wstring text;
        GetDlgItemText(kValueEdit, text);
        if (text.empty())
            return;
        value = Vdn_String(std::move(text));
    }
    accepted = true;
    CDialog::OnOK();
}
