#include "platform/ui/dialogs/DialogValues.h"

#include "platform/ui/windows/CWnd.h"
#include "platform/ui/windows/WinConstants.h"

Vdn_String dlgItemString(const CWnd& dialog, int id) {
    std::wstring text;
    dialog.GetDlgItemText(id, text);
    return Vdn_String(text);
}

UINT checkOfTriState(int value) {
    return value < 0 ? BST_INDETERMINATE : (value == 1 ? BST_CHECKED : BST_UNCHECKED);
}

int triStateOfCheck(UINT check) {
    return check == BST_INDETERMINATE ? -1 : (check == BST_CHECKED ? 1 : 0);
}
