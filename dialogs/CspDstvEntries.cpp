#include "dialogs/CspDstvEntries.h"

#include "dialogs/CDlgSelectDstvPointsFile.h"
#include "dialogs/Vdn_DlgCSP2.h"
#include "module/ModalLauncher.h"

bool StartDlgCSP2(DlgCSP2Data& data) {
    return frame::runModalLauncher<Vdn_DlgCSP2>(&Vdn_DlgCSP2::data_, data, frame::CopyBack::OnOk);
}

void StartDSTVPointsDlg() {
    // Runs without the resource switch: the dialog's resources are the core module's own.
    CDlgSelectDstvPointsFile dialog;
    dialog.DoModal();
}
