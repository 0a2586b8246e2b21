#include "dialogs/GridLevelsLookUpEntries.h"

#include "dialogs/CDlgGrid.h"
#include "dialogs/CDlgLevels.h"
#include "dialogs/CDlgLookup.h"
#include "module/ModalLauncher.h"

using frame::CopyBack;

bool StartDlgGrid(TfGridDlgData& data) {
    return frame::runModalLauncher<CDlgGrid>(&CDlgGrid::data_, data, CopyBack::OnOk);
}

bool StartDlgLevels(TfLevelsDlgData& data) {
    return frame::runModalLauncher<CDlgLevels>(&CDlgLevels::data_, data, CopyBack::OnOk);
}

bool StartDlgLookUp(TfLookUpDlgData& data) {
    return frame::runModalLauncher<CDlgLookup>(&CDlgLookup::data_, data, CopyBack::OnOk);
}
