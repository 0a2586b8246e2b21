#pragma once
// CCheckComboBox: a drop-down list whose items carry check boxes. The check state of an item
// is kept in its item data (0 clear, 1 ticked), so it travels with the item through inserts,
// deletes and sorting. The closed combo shows the ticked items' texts joined with ";".
//
// The user ticks or clears an item in the open list (userToggleCheck): CBN_DROPDOWN, the
// toggle, CBN_SELCHANGE, CBN_CLOSEUP. SetCheck never notifies.

#include "platform/ui/controls/CComboBox.h"

class CCheckComboBox : public CComboBox {
public:
    CCheckComboBox() = default;

    // FALSE (CB_ERR) for a bad index.
    int SetCheck(int index, BOOL check);
    // 0 or 1; CB_ERR for a bad index.
    int GetCheck(int index) const;
    void SelectAll(BOOL check = TRUE);
    // The ticked items' texts joined with ";".
    std::wstring checkedText() const;

    bool userToggleCheck(int index);
};
