#pragma once
// ui::NonInteractiveUser: the user of a program run without anyone at the screen. It cancels
// modal dialogs, prints message boxes to stderr and answers their default button, and cancels
// file dialogs and pop-up menus.

#include "platform/ui/users/User.h"

namespace ui {

class NonInteractiveUser : public User {
public:
    void runModal(CDialog& dialog) override;
    int messageBox(const MessageBoxRecord& record) override;
    bool fileDialog(FileDialogRecord& record) override;
    UINT trackPopupMenu(const PopupMenuRecord& record) override;
};

} // namespace ui
