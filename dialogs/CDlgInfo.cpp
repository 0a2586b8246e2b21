#include "dialogs/CDlgInfo.h"

#include "platform/core/text/NumberedTexts.h"
#include "platform/ui/controls/CListBox.h"
#include "platform/ui/windows/WinConstants.h"

namespace {

constexpr int kOkText = 1;

} // namespace

CDlgInfo::CDlgInfo(CWnd* parent) : CDialog(IDD, parent) {}

BOOL CDlgInfo::OnInitDialog() {
    CDialog::OnInitDialog();
    SetWindowText(data_.title.str());
    SetDlgItemText(IDOK, dialString(kOkText).str());
    if (auto* list = dynamic_cast<CListBox*>(GetDlgItem(kLines))) {
        for (const Vdn_String& line : data_.lines)
            list->AddString(line.str());
    }
    return TRUE;
}

void ExportStartDlgInfo(DlgInfoData& data) {
    CDlgInfo dialog;
    dialog.data_ = data;
    dialog.DoModal();
}
