#include "platform/ui/controls/CCheckComboBox.h"

int CCheckComboBox::SetCheck(int index, BOOL check) {
    if (index < 0 || index >= GetCount()) {
        return CB_ERR;
    }
    SetItemData(index, check != FALSE ? 1 : 0);
    Invalidate();
    return 0;
}

int CCheckComboBox::GetCheck(int index) const {
    if (index < 0 || index >= GetCount()) {
        return CB_ERR;
    }
    return GetItemData(index) != 0 ? 1 : 0;
}

void CCheckComboBox::SelectAll(BOOL check) {
    for (int i = 0; i < GetCount(); ++i) {
        SetCheck(i, check);
    }
}

std::wstring CCheckComboBox::checkedText() const {
    std::wstring text;
    for (int i = 0; i < GetCount(); ++i) {
        if (GetCheck(i) == 1) {
            if (!text.empty()) {
                text += L';';
            }
            text += GetLBText(i);
        }
    }
    return text;
}

bool CCheckComboBox::userToggleCheck(int index) {
    if (index < 0 || index >= GetCount()) {
        return false;
    }
    SetFocus();
    userDropDown();
    SetCheck(index, GetCheck(index) == 1 ? FALSE : TRUE);
    notifyParent(CBN_SELCHANGE);
    userCloseUp();
    return true;
}
