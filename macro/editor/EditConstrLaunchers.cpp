#include "macro/editor/EditConstrLaunchers.h"

#include "macro/editor/CDlgEditMacro.h"
#include "module/ConstraintEditorSlot.h"
#include "module/ModalLauncher.h"

bool StartDlgEditConstrModal(EditConstrData& data) {
    return frame::runModalLauncher<CDlgEditMacro, frame::ModalLoop::HostDialog>(
        [](CDlgEditMacro& dialog) -> EditConstrData& { return dialog.constrData(); }, data,
        frame::CopyBack::Never);
}

bool StartDlgEditConstraints(EditConstrData& data) {
    frame::startConstraintEditor<CDlgEditMacro>(data);
    return true;
}
