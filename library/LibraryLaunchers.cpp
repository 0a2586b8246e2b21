#include "library/LibraryLaunchers.h"

#include "library/CDlgEditLibSections.h"
#include "library/CDlgEditLibSimple.h"
#include "module/ModalLauncher.h"

using frame::CopyBack;

bool StartDlgEditLibSections(DlgEditLibData& data, Vdn_String name) {
    return frame::runModalLauncher<CDlgEditLibSections>(
        &CDlgEditLibSections::mData, data, CopyBack::OnOk,
        [&name](CDlgEditLibSections& dialog) { dialog.mStartName = name; });
}

bool StartDlgEditLibSimple(Vdn_String name, Vdn_ProfValuesTable& table, int& index) {
    // This editor runs with the caller's resources: no switch.
    CDlgEditLibSimple dialog;
    dialog.mTable = table;
    dialog.mStartName = name;
    if (dialog.DoModal() != IDOK)
        return false;
    table = dialog.mTable;
    index = dialog.mIndex;
    return true;
}
