#pragma once

#include "module/ResourceSwitch.h"
#include "module/TfSSDlgsMgr.h"
#include "platform/core/settings/AcadErrorStatus.h"
#include "platform/ui/dialogs/CDialog.h"

#include <concepts>
#include <memory>
#include <new>

namespace frame {

// What the pool needs of a standards dialog class: it is made with its parent window, holds a
// record of type Record and evaluates it.
template <class Dialog, class Record>
concept PooledDialog = std::derived_from<Dialog, CDialog> &&
    std::constructible_from<Dialog, CWnd*> && requires(Dialog& dialog, Record& record) {
    dialog.standardsData() = record;
    record = dialog.standardsData();
    { dialog.evaluate() } -> std::same_as<Acad::ErrorStatus>;
};

template <class Dialog> std::unique_ptr<CDialog> makePooledDialog(CWnd* parent) {
    return std::unique_ptr<CDialog>(new (std::nothrow) Dialog(parent));
}

// Returns a borrowed pool dialog to the pool on every way out.
class PoolLoan {
public:
    PoolLoan(TfSSDlgsMgr& pool, void* dialog) : pool_(pool), dialog_(dialog) {}
    ~PoolLoan() {
        if (dialog_ != nullptr)
            pool_.releaseDlg(dialog_);
    }
    PoolLoan(const PoolLoan&) = delete;
    PoolLoan& operator=(const PoolLoan&) = delete;

private:
    TfSSDlgsMgr& pool_;
    void* dialog_;
};

// The pooled launcher: under the resource switch, borrows a dialog of class Dialog from the
// pool, copies data into it and evaluates; when the evaluation gives eOk the dialog's record
// is copied back into data and the result is true. The dialog always returns to the pool.
// False when no dialog can be had (or the pool holds dialogs of another class).
template <class Dialog, class Record>
requires PooledDialog<Dialog, Record>
bool runPooledLauncher(Record& data, TfSSDlgsMgr& pool = gSSDlgsMgr,
                       UINT templateId = TfSSDlgsMgr::kStandardsDialogTemplate) {
    ResourceSwitch resources;
    pool.setDialogFactory(&makePooledDialog<Dialog>, templateId);
    void* borrowed = pool.getDlg();
    if (borrowed == nullptr)
        return false;
    PoolLoan loan(pool, borrowed);
    auto* dialog = dynamic_cast<Dialog*>(static_cast<CDialog*>(borrowed));
    if (dialog == nullptr)
        return false;
    dialog->standardsData() = data;
    if (dialog->evaluate() != Acad::eOk)
        return false;
    data = dialog->standardsData();
    return true;
}

} // namespace frame
