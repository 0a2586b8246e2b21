#include "spreadsheet/genvars/GenVarsLaunchers.h"

#include "module/ModalLauncher.h"
#include "spreadsheet/genvars/CDlgGenVars.h"

bool StartDlgGenVars(TfAutoStandardsData& data) {
    return frame::runModalLauncher<CDlgGenVars>(&CDlgGenVars::data_, data, frame::CopyBack::OnOk);
}
