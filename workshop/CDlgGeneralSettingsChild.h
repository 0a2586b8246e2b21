#pragma once
// CDlgGeneralSettingsChild: a page of a settings browser (a child dialog without caption). It
// shows one tree item at a time: LoadFromSettings fills the controls from the item's settings,
// SaveToSettings writes them back. Both return eInvalidInput, changing nothing, when the item's
// settings cannot be obtained.

#include "platform/core/settings/AcadErrorStatus.h"
#include "platform/ui/dialogs/CDialog.h"

class CDlgGeneralSettingsChild : public CDialog {
public:
    using CDialog::CDialog;

    virtual Acad::ErrorStatus LoadFromSettings(int item) = 0;
    virtual Acad::ErrorStatus SaveToSettings(int item) = 0;

    // The tree item shown, -1 before the first load.
    int itemIndex() const { return item_; }

protected:
    int item_ = -1;
};
