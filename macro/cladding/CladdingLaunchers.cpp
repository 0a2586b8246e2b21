#include "macro/cladding/CladdingLaunchers.h"

#include "macro/cladding/CDlgBracing.h"
#include "macro/cladding/CDlgCladdingSettings.h"
#include "module/ModalLauncher.h"

using frame::CopyBack;

bool StartDlgBracing(TfBracingDlgData& data) {
    return frame::runModalLauncher<CDlgBracing>(&CDlgBracing::data_, data, CopyBack::OnOk);
}

bool StartDlgCladdingSettings(TfCladdingDlgData& data) {
    return frame::runModalLauncher<CDlgCladdingSettings>(&CDlgCladdingSettings::data_, data,
                                                         CopyBack::OnOk);
}
