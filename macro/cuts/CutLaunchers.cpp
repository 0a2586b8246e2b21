#include "macro/cuts/CutLaunchers.h"

#include "macro/cuts/CDlgEditProfCuts.h"
#include "macro/cuts/CDlgMacroCuts.h"
#include "module/ModalLauncher.h"

bool& profCutsPreviewOption() {
    static bool keepPreviews = true;
    return keepPreviews;
}

bool StartDlgMacroCuts(DlgMacroCutsData& data, bool& cancelled) {
    return frame::runModalLauncher<CDlgMacroCuts, frame::ModalLoop::HostDialog>(
        &CDlgMacroCuts::data_, data, frame::CopyBack::OnOk, frame::NoExtra{},
        [&cancelled](CDlgMacroCuts& dialog, INT_PTR) { cancelled = dialog.cancelled_; });
}

bool StartEditProfCutsDlg(DlgProfCutsData& data) {
    bool& option = profCutsPreviewOption();
    return frame::runModalLauncher<CDlgEditProfCuts, frame::ModalLoop::HostDialog>(
        &CDlgEditProfCuts::data_, data, frame::CopyBack::Never,
        [&option](CDlgEditProfCuts& dialog) { dialog.previewOption_ = option; },
        [&option](CDlgEditProfCuts& dialog, INT_PTR result) {
            if (result == IDOK)
                option = dialog.previewOption_;
        });
}
