// The dialog keys of CWnd::IsDialogMessage and the tab order of GetNextDlgTabItem.

#include "platform/ui/controls/CButton.h"
#include "platform/ui/dialogs/CDialog.h"
#include "platform/ui/dialogs/DialogNavigation.h"
#include "platform/ui/users/Keyboard.h"
#include "platform/ui/windows/CWnd.h"
#include "platform/ui/windows/WindowRegistry.h"

using ui::DialogNavigation;

CWnd* CWnd::GetNextDlgTabItem(CWnd* control, BOOL previous) const {
    return DialogNavigation::nextTabStop(*this, control, previous != FALSE);
}

namespace {

bool usable(const CWnd& control) {
    return control.IsWindowVisible() && control.IsWindowEnabled();
}

// Clicks a dialog button by command (Enter / Escape): the button's parent receives
// WM_COMMAND (id, BN_CLICKED); without such a button the dialog does. A button that is there
// but hidden or disabled takes nothing.
void pressDialogButton(CWnd& dialog, int id) {
    CWnd* button = DialogNavigation::findControl(dialog, id);
    if (button != nullptr && !usable(*button)) {
        return;
    }
    CWnd* target = button != nullptr ? button->GetParent() : &dialog;
    target->SendMessage(WM_COMMAND, MAKEWPARAM(static_cast<UINT>(id), BN_CLICKED),
                        reinterpret_cast<LPARAM>(button));
}

int defaultButtonId(const CWnd& dialog) {
    if (const auto* asDialog = dynamic_cast<const CDialog*>(&dialog)) {
        return LOWORD(asDialog->GetDefID());
    }
    return IDOK;
}

} // namespace

BOOL CWnd::IsDialogMessage(MSG* msg) {
    if (msg == nullptr || msg->message != WM_KEYDOWN || !created_) {
        return FALSE;
    }
    ui::DispatchGuard guard;
    CWnd* focus = GetFocus();
    if (focus != nullptr && focus != this && !IsChild(focus)) {
        focus = nullptr;
    }
    switch (static_cast<int>(msg->wParam)) {
    case VK_TAB: {
        const bool back = ui::Keyboard::instance().isDown(VK_SHIFT);
        if (CWnd* next = DialogNavigation::nextTabStop(*this, focus, back)) {
            DialogNavigation::focusControl(*next);
        }
        return TRUE;
    }
    case VK_RETURN: {
        auto* button = dynamic_cast<CButton*>(focus);
        if (button != nullptr && button->isPushButton()) {
            pressDialogButton(*this, button->GetDlgCtrlID());
        } else {
            pressDialogButton(*this, defaultButtonId(*this));
        }
        return TRUE;
    }
    case VK_ESCAPE:
        pressDialogButton(*this, IDCANCEL);
        return TRUE;
    default:
        return FALSE;
    }
}
