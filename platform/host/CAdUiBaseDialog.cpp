#include "platform/host/CAdUiBaseDialog.h"

#include "platform/host/Editor.h"

CAdUiBaseDialog::CAdUiBaseDialog(UINT templateId, CWnd* parent, core::InstanceHandle resources)
    : CDialog(templateId, parent), resources_(resources) {}

INT_PTR CAdUiBaseDialog::DoModal() {
    const INT_PTR result = CDialog::DoModal();
    if (inEditorCommand_)
        CompleteEditorCommand(FALSE);
    return result;
}

void CAdUiBaseDialog::BeginEditorCommand() {
    if (inEditorCommand_)
        return;
    inEditorCommand_ = true;
    host::Editor::instance().setCommandActive(true);
    if (GetSafeHwnd() != nullptr)
        ShowWindow(SW_HIDE);
}

void CAdUiBaseDialog::CompleteEditorCommand(BOOL restoreDialog) {
    if (!inEditorCommand_)
        return;
    inEditorCommand_ = false;
    host::Editor::instance().setCommandActive(false);
    if (restoreDialog && GetSafeHwnd() != nullptr)
        ShowWindow(SW_SHOW);
}
