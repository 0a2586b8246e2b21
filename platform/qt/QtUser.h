#pragma once
// qtview::QtUser: the user who is a person at a real screen. A modal dialog runs a nested event
// loop until the dialog has ended (the person closes it through its own buttons or keys);
// message boxes, file dialogs and pop-up menus are Qt's own, answered by the person.

#include "platform/ui/users/User.h"

namespace qtview {

class QtUser : public ui::User {
public:
    void runModal(CDialog& dialog) override;
    int messageBox(const ui::MessageBoxRecord& record) override;
    bool fileDialog(ui::FileDialogRecord& record) override;
    UINT trackPopupMenu(const ui::PopupMenuRecord& record) override;
    // Without a drawing to click in, a small dialog lists what may be picked.
    bool pick(ui::PickRecord& record) override;
};

} // namespace qtview
