#pragma once

#include "module/ResourceSwitch.h"
#include "platform/host/CAdUiBaseDialog.h"
#include "platform/ui/dialogs/CDialog.h"

#include <concepts>
#include <functional>

namespace frame {

// When a modal launcher copies the dialog's record back into the caller's record.
enum class CopyBack { OnOk, Always, Never };

// Which modal loop runs the dialog: MFC's CDialog::DoModal, or the host's
// CAdUiBaseDialog::DoModal for dialogs of the host's dialog classes.
enum class ModalLoop { Dialog, HostDialog };

struct NoExtra {
    template <class Dialog> void operator()(Dialog&) const {}
};
struct NoFinish {
    template <class Dialog> void operator()(Dialog&, INT_PTR) const {}
};

// The modal launcher pattern, for a dialog class made with its parent window (here none, so
// the host's main window owns it):
//  1. the module's resources are switched in for the whole run;
//  2. the dialog is made on the stack;
//  3. the caller's record is assigned to the dialog's record (recordOf(dialog) gives it: a
//     pointer to a data member, a member function or any callable), and prepare(dialog)
//     hands over any further arguments;
//  4. the dialog runs in the chosen modal loop;
//  5. the dialog's record is assigned back to the caller's record as copyBack says, and
//     finish(dialog, result) takes any further results back;
//  6. the dialog is destroyed, then the resources are switched back.
// Returns whether the dialog ended with IDOK.
//
//     return frame::runModalLauncher<CDlgGrid>(&CDlgGrid::data_, data, CopyBack::OnOk);
//     frame::runModalLauncher<CDlgMacroCuts, ModalLoop::HostDialog>(
//         &CDlgMacroCuts::data_, data, CopyBack::OnOk, NoExtra{},
//         [&flag](CDlgMacroCuts& dialog, INT_PTR) { flag = dialog.flag_; });
template <class Dialog, ModalLoop Loop = ModalLoop::Dialog, class Record, class RecordOf,
          class Prepare = NoExtra, class Finish = NoFinish>
requires std::derived_from<Dialog, CDialog> && std::constructible_from<Dialog, CWnd*> &&
    std::invocable<RecordOf, Dialog&> && std::invocable<Prepare, Dialog&> &&
    std::invocable<Finish, Dialog&, INT_PTR> &&
    (Loop == ModalLoop::Dialog || std::derived_from<Dialog, CAdUiBaseDialog>)bool runModalLauncher(
        RecordOf recordOf, Record& record, CopyBack copyBack, Prepare prepare = {},
        Finish finish = {}) {
    ResourceSwitch resources;
    Dialog dialog(static_cast<CWnd*>(nullptr));
    std::invoke(recordOf, dialog) = record;
    std::invoke(prepare, dialog);

    INT_PTR result = 0;
    if constexpr (Loop == ModalLoop::HostDialog)
        result = dialog.CAdUiBaseDialog::DoModal();
    else
        result = dialog.CDialog::DoModal();

    const bool ok = result == IDOK;
    if (copyBack == CopyBack::Always || (copyBack == CopyBack::OnOk && ok))
        record = std::invoke(recordOf, dialog);
    std::invoke(finish, dialog, result);
    return ok;
}

} // namespace frame
