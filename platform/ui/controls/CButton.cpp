#include "platform/ui/controls/CButton.h"

#include "platform/ui/dialogs/DialogNavigation.h"

BOOL CButton::Create(const std::wstring& text, DWORD style, const RECT& rect, CWnd* parent,
                     UINT id) {
    return CreateEx(0, L"Button", text, style, rect, parent, id);
}

bool CButton::isCheckBox() const {
    const UINT type = GetButtonStyle();
    return type == BS_CHECKBOX || type == BS_AUTOCHECKBOX || type == BS_3STATE ||
           type == BS_AUTO3STATE;
}

bool CButton::isRadioButton() const {
    const UINT type = GetButtonStyle();
    return type == BS_RADIOBUTTON || type == BS_AUTORADIOBUTTON;
}

bool CButton::isPushButton() const {
    const UINT type = GetButtonStyle();
    return type == BS_PUSHBUTTON || type == BS_DEFPUSHBUTTON;
}

int CButton::GetCheck() const {
    return isCheckBox() || isRadioButton() ? check_ : BST_UNCHECKED;
}

void CButton::SetCheck(int check) {
    if (!isCheckBox() && !isRadioButton()) {
        return;
    }
    const UINT type = GetButtonStyle();
    const bool threeState = type == BS_3STATE || type == BS_AUTO3STATE;
    int next = check <= 0 ? BST_UNCHECKED : BST_CHECKED;
    if (threeState && check >= BST_INDETERMINATE) {
        next = BST_INDETERMINATE;
    }
    if (next != check_) {
        check_ = next;
        Invalidate();
    }
}

void CButton::SetButtonStyle(UINT style, BOOL redraw) {
    ModifyStyle(BS_TYPEMASK, style & BS_TYPEMASK);
    if (redraw) {
        Invalidate();
    }
}

HBITMAP CButton::SetBitmap(HBITMAP bitmap) {
    const HBITMAP previous = bitmap_;
    bitmap_ = bitmap;
    Invalidate();
    return previous;
}

HICON CButton::SetIcon(HICON icon) {
    const HICON previous = icon_;
    icon_ = icon;
    Invalidate();
    return previous;
}

void CButton::OnLButtonDown(UINT, CPoint) {
    if (isGroupBox()) {
        return;
    }
    pressed_ = true;
    SetFocus();
}

void CButton::OnLButtonUp(UINT, CPoint) {
    if (!pressed_) {
        return;
    }
    pressed_ = false;
    clicked();
}

void CButton::OnLButtonDblClk(UINT flags, CPoint point) {
    // The second press of a double click: a press, plus BN_DOUBLECLICKED for the buttons that
    // report it.
    OnLButtonDown(flags, point);
    if (pressed_ &&
        (isRadioButton() || (GetStyle() & BS_NOTIFY) != 0 || GetButtonStyle() == BS_OWNERDRAW)) {
        notifyParent(BN_DOUBLECLICKED);
    }
}

void CButton::clicked() {
    switch (GetButtonStyle()) {
    case BS_AUTOCHECKBOX:
        SetCheck(check_ == BST_CHECKED ? BST_UNCHECKED : BST_CHECKED);
        break;
    case BS_AUTO3STATE:
        SetCheck(check_ == BST_UNCHECKED ? BST_CHECKED
                 : check_ == BST_CHECKED ? BST_INDETERMINATE
                                         : BST_UNCHECKED);
        break;
    case BS_AUTORADIOBUTTON:
        for (CWnd* member : ui::DialogNavigation::radioGroup(*this)) {
            auto* radio = static_cast<CButton*>(member);
            if (radio != this && radio->GetButtonStyle() == BS_AUTORADIOBUTTON) {
                radio->SetCheck(BST_UNCHECKED);
            }
        }
        SetCheck(BST_CHECKED);
        break;
    default:
        break;
    }
    notifyParent(BN_CLICKED);
}

void CButton::OnSetFocus(CWnd*) {
    if ((GetStyle() & BS_NOTIFY) != 0) {
        notifyParent(BN_SETFOCUS);
    }
}

void CButton::OnKillFocus(CWnd*) {
    pressed_ = false;
    if ((GetStyle() & BS_NOTIFY) != 0) {
        notifyParent(BN_KILLFOCUS);
    }
}

void CButton::takeOverState(CWnd& original) {
    if (auto* other = dynamic_cast<CButton*>(&original)) {
        check_ = other->check_;
        bitmap_ = other->bitmap_;
        icon_ = other->icon_;
    }
}
