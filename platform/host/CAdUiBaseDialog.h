#pragma once

#include "platform/core/settings/ResourceInstance.h"
#include "platform/ui/dialogs/CDialog.h"

// The host's base of its own dialogs. A dialog hands control to the drawing editor with
// BeginEditorCommand (it hides and the editor runs a command) and takes it back with
// CompleteEditorCommand (it shows again). The host's modal loop ends a hand-over that is still
// running when the dialog ends.
class CAdUiBaseDialog : public CDialog {
public:
    explicit CAdUiBaseDialog(UINT templateId, CWnd* parent = nullptr,
                             core::InstanceHandle resources = nullptr);

    INT_PTR DoModal() override;

    void BeginEditorCommand();
    void CompleteEditorCommand(BOOL restoreDialog = TRUE);
    // Whether this dialog has handed control to the editor.
    bool isInEditorCommand() const { return inEditorCommand_; }

    // The module whose resources the dialog was made for (null: the current ones).
    core::InstanceHandle resourceInstance() const { return resources_; }

private:
    core::InstanceHandle resources_ = nullptr;
    bool inEditorCommand_ = false;
};
