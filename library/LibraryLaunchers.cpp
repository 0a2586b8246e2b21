#include "library/LibraryLaunchers.h"

#include "library/CDlgEditLibSections.h"
#include "library/CDlgEditLibSimple.h"
#include "module/ModalLauncher.h"

using frame::CopyBack;

bool StartDlgEditLibSections(DlgEditLibData& data, Vdn_String name) {
    return frame::runModalLauncher<CDlgEditLibSections>(
        &CDlgEditLibSections::data_, data, CopyBack::OnOk,
        [&name](CDlgEditLibSections& dialog) { dialog.startName_ = name; });
}

bool StartDlgEditLibSimple(Vdn_String name, Vdn_ProfValuesTable& table, int& index) {
    // This editor runs with the caller's resources: no switch.
    CDlgEditLibSimple dialog;
    dialog.table_ = table;
    dialog.startName_ = name;
    if (dialog.DoModal() != IDOK)
        return false;
    table = dialog.table_;
    index = dialog.index_;
    return true;
}
