#pragma once
// CComboBox: simple (CBS_SIMPLE), drop-down (CBS_DROPDOWN, with an edit) or drop-down list
// (CBS_DROPDOWNLIST). Items hold a text and item data; with CBS_SORT AddString inserts in
// case-insensitive order. The window text is the edit text (drop-down, simple) or the selected
// item's text (drop-down list).
//
// Programmatic setters never notify. User input (userSelect, userTypeText) sends the
// notifications in the Win32 order. A derived combo box (a check-list combo) refines the user
// input through the virtual user* members and reads the items through the protected access.

#include "platform/ui/windows/CWnd.h"

#include <string>
#include <vector>

class CComboBox : public CWnd {
public:
    CComboBox() = default;

    BOOL Create(DWORD style, const RECT& rect, CWnd* parent, UINT id);

    std::wstring GetWindowText() const override;
    void SetWindowText(const std::wstring& text) override;

    int GetCount() const { return static_cast<int>(items_.size()); }
    int GetCurSel() const { return curSel_; }
    // -1 or an index outside the list clears the selection (and returns CB_ERR).
    int SetCurSel(int index);
    // Index of the new item (sorted with CBS_SORT).
    int AddString(const std::wstring& text);
    // At index (-1: the end), never sorted.
    int InsertString(int index, const std::wstring& text);
    // The number of items left, CB_ERR for a bad index.
    int DeleteString(UINT index);
    void ResetContent();
    // The text is emptied for a bad index.
    void GetLBText(int index, std::wstring& text) const;
    std::wstring GetLBText(int index) const;
    int GetLBTextLen(int index) const;
    // Case-insensitive search for an item starting with (FindString) or equal to
    // (FindStringExact) text, from the item after startAfter (-1: from the first) to the end,
    // then wrapping from the first up to startAfter. CB_ERR when none.
    int FindString(int startAfter, const std::wstring& text) const;
    int FindStringExact(int startAfter, const std::wstring& text) const;
    // FindString, then SetCurSel; the selection is unchanged when nothing matches.
    int SelectString(int startAfter, const std::wstring& text);
    int SetItemData(int index, DWORD_PTR data);
    // CB_ERR (as DWORD_PTR) for a bad index.
    DWORD_PTR GetItemData(int index) const;
    BOOL GetDroppedState() const { return dropped_; }
    // Edit selection of the drop-down and simple kinds.
    BOOL SetEditSel(int start, int end);

    bool hasEdit() const { return (GetStyle() & 0x3) != CBS_DROPDOWNLIST; }
    bool isDropDown() const { return (GetStyle() & 0x3) != CBS_SIMPLE; }

    // User input. userSelect: the user picks item `index` from the list (drop-down kinds:
    // CBN_DROPDOWN, CBN_SELCHANGE, CBN_SELENDOK, CBN_CLOSEUP; simple: CBN_SELCHANGE,
    // CBN_SELENDOK). userTypeText: the user replaces the edit text (CBN_EDITUPDATE,
    // CBN_EDITCHANGE); false for a drop-down list.
    virtual bool userSelect(int index);
    virtual bool userTypeText(const std::wstring& text);

protected:
    struct Item {
        std::wstring text;
        DWORD_PTR data = 0;
    };

    const std::vector<Item>& items() const { return items_; }
    std::vector<Item>& items() { return items_; }
    // Selection without notification; the window text follows.
    void setSelection(int index);
    // Opens / closes the list as the user does (CBN_DROPDOWN / CBN_CLOSEUP).
    void userDropDown();
    void userCloseUp();

    void OnSetFocus(CWnd* oldWindow) override;
    void OnKillFocus(CWnd* newWindow) override;
    void OnLButtonDown(UINT flags, CPoint point) override;
    void takeOverState(CWnd& original) override;

private:
    int find(int startAfter, const std::wstring& text, bool exact) const;

    std::vector<Item> items_;
    int curSel_ = -1;
    bool dropped_ = false;
    int editSelStart_ = 0;
    int editSelEnd_ = 0;
};
