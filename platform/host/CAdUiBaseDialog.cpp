#include "platform/host/CAdUiBaseDialog.h"

#include "platform/host/Editor.h"

CAdUiBaseDialog::CAdUiBaseDialog(UINT templateId, CWnd* parent, core::InstanceHandle resources)
    : CDialog(templateId, parent), mResources(resources) {}

INT_PTR CAdUiBaseDialog::DoModal() {
    const INT_PTR result = CDialog::DoModal();
    if (mInEditorCommand)
        CompleteEditorCommand(FALSE);
    return result;
}

void CAdUiBaseDialog::BeginEditorCommand() {
    if (mInEditorCommand)
        return;
    mInEditorCommand = true;
    host::Editor::instance().setCommandActive(true);
    if (GetSafeHwnd() != nullptr)
        ShowWindow(SW_HIDE);
}

void CAdUiBaseDialog::CompleteEditorCommand(BOOL restoreDialog) {
    if (!mInEditorCommand)
        return;
    mInEditorCommand = false;
    host::Editor::instance().setCommandActive(false);
    if (restoreDialog && GetSafeHwnd() != nullptr)
        ShowWindow(SW_SHOW);
}
