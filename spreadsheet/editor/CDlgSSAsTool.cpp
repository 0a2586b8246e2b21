#include "spreadsheet/editor/CDlgSSAsTool.h"

CDlgSSAsTool::CDlgSSAsTool(CWnd* parent) : CDialog(IDD, parent) {}

BOOL CDlgSSAsTool::OnInitDialog() {
    CDialog::OnInitDialog();
    spread_.attachToDlgItem(this, kSheetPlaceholder);
    return TRUE;
}
