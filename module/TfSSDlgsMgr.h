#pragma once

#include "platform/core/settings/AcadErrorStatus.h"
#include "platform/ui/dialogs/CDialog.h"

#include <memory>
#include <vector>

// The pool of hidden standards dialogs. A dialog is made once, lent out by getDlg, returned
// by releaseDlg and lent again; nested evaluations borrow different dialogs. The dialogs are
// never shown by the pool and live until destroyAll (at the latest the pool's destruction).
//
// The pool owns its dialogs, so it cannot be copied.
class TfSSDlgsMgr {
public:
    // Makes a new (not yet created) standards dialog with the given parent; null on failure.
    using DialogFactory = std::unique_ptr<CDialog> (*)(CWnd* parent);

    static constexpr UINT kStandardsDialogTemplate = 253;

    TfSSDlgsMgr() = default;
    TfSSDlgsMgr(const TfSSDlgsMgr&) = delete;
    TfSSDlgsMgr& operator=(const TfSSDlgsMgr&) = delete;
    virtual ~TfSSDlgsMgr();

    // How new dialogs are made, and the template their windows are created from.
    void setDialogFactory(DialogFactory factory, UINT templateId = kStandardsDialogTemplate);
    DialogFactory dialogFactory() const { return factory_; }

    // Lends the first free dialog, or makes a new one (a hidden modeless child of the host's
    // main window) when none is free. The pointer is the dialog's CDialog; null when a new
    // dialog cannot be made or created.
    void* getDlg();
    // eOk when dialog is one of the pool's (it is free again), else eInvalidInput.
    Acad::ErrorStatus releaseDlg(void* dialog);
    // Destroys every dialog of the pool.
    void destroyAll();

    int length() const { return static_cast<int>(dialogs_.size()); }
    // The dialog at index, null outside the pool.
    CDialog* dialogAt(int index) const;
    // Whether the dialog at index is lent out; false outside the pool.
    bool isInUse(int index) const;

private:
    Acad::ErrorStatus destroyDlg(const int& index);

    std::vector<std::unique_ptr<CDialog>> dialogs_;
    std::vector<bool> inUse_;
    DialogFactory factory_ = nullptr;
    UINT templateId_ = kStandardsDialogTemplate;
};

extern TfSSDlgsMgr gSSDlgsMgr;
