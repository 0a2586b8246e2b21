#pragma once
// ui::User: whoever acts on the window tree. Modal dialogs, message boxes, file dialogs and
// pop-up menus go to User::current(): by default a ui::NonInteractiveUser, in tests a
// ui::ScriptedUser installed for a scope with ui::UserScope.

#include "platform/ui/dialogs/FileDialogRecord.h"
#include "platform/ui/menus/PopupMenuRecord.h"
#include "platform/ui/users/MessageBoxRecord.h"
#include "platform/ui/users/PickRecord.h"

class CDialog;

namespace ui {

class User {
public:
    User() = default;
    virtual ~User() = default;
    User(const User&) = delete;
    User& operator=(const User&) = delete;

    // Acts on the shown modal dialog until it has ended (EndDialog). A user that returns with
    // the dialog still running has it cancelled by the framework.
    virtual void runModal(CDialog& dialog) = 0;
    // Returns the id of the button pressed (IDOK, IDYES, ...).
    virtual int messageBox(const MessageBoxRecord& record) = 0;
    // Fills record.chosenPaths and returns true, or returns false (cancelled).
    virtual bool fileDialog(FileDialogRecord& record) = 0;
    // The chosen command id, 0 when dismissed.
    virtual UINT trackPopupMenu(const PopupMenuRecord& record) = 0;
    // Picks in the drawing: fills the record's point, normal or chosen ids and returns true,
    // or returns false (cancelled, which is what a user without a drawing does).
    virtual bool pick(PickRecord& record);

    // The installed user, else the process's NonInteractiveUser.
    static User& current();

private:
    friend class UserScope;
    static User* installed_;
};

} // namespace ui
