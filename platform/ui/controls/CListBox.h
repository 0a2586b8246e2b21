#pragma once
// CListBox: single-selection (default), multiple-selection (LBS_MULTIPLESEL: a click toggles)
// or extended-selection (LBS_EXTENDEDSEL: a click selects one item, Control+click toggles,
// Shift+click selects the range from the anchor). Items hold a text and item data; with
// LBS_SORT AddString inserts in case-insensitive order.
//
// Programmatic setters never notify. A user click sends LBN_SELCHANGE, a double click
// LBN_SELCHANGE then LBN_DBLCLK; as in Win32 only with LBS_NOTIFY (the template kind
// `listbox` has it by default).

#include "platform/ui/windows/CWnd.h"

#include <string>
#include <vector>

class CListBox : public CWnd {
public:
    CListBox() = default;

    BOOL Create(DWORD style, const RECT& rect, CWnd* parent, UINT id);

    int GetCount() const { return static_cast<int>(items_.size()); }
    // Single selection: the selected item or LB_ERR. Multiple kinds: the focus (caret) item.
    int GetCurSel() const;
    // Single selection only (LB_ERR otherwise); -1 clears.
    int SetCurSel(int select);
    // > 0 when selected, 0 when not, LB_ERR for a bad index.
    int GetSel(int index) const;
    // Multiple kinds only; index -1 means every item.
    int SetSel(int index, BOOL select = TRUE);
    // Multiple kinds only (LB_ERR otherwise).
    int GetSelCount() const;
    // Writes up to maxItems selected indexes in ascending order; returns how many.
    int GetSelItems(int maxItems, int* indexes) const;
    int AddString(const std::wstring& text);
    int InsertString(int index, const std::wstring& text);
    int DeleteString(UINT index);
    void ResetContent();
    // Returns the length, LB_ERR (text emptied) for a bad index.
    int GetText(int index, std::wstring& text) const;
    int GetTextLen(int index) const;
    // As CComboBox::FindString / FindStringExact.
    int FindString(int startAfter, const std::wstring& text) const;
    int FindStringExact(int startAfter, const std::wstring& text) const;
    // Single selection: FindString then SetCurSel.
    int SelectString(int startAfter, const std::wstring& text);
    int SetItemData(int index, DWORD_PTR data);
    DWORD_PTR GetItemData(int index) const;
    int GetCaretIndex() const { return caret_; }

    bool isMultiple() const { return (GetStyle() & (LBS_MULTIPLESEL | LBS_EXTENDEDSEL)) != 0; }

    // User input: a click on item `index` (modifiers: ui::Modifier bits), a double click.
    virtual bool userClickItem(int index, unsigned modifiers);
    virtual bool userDoubleClickItem(int index);

protected:
    void OnSetFocus(CWnd* oldWindow) override;
    void OnKillFocus(CWnd* newWindow) override;
    void takeOverState(CWnd& original) override;

private:
    struct Item {
        std::wstring text;
        DWORD_PTR data = 0;
        bool selected = false;
    };

    int find(int startAfter, const std::wstring& text, bool exact) const;
    void notifyIfWanted(UINT code);

    std::vector<Item> items_;
    int curSel_ = -1;
    int caret_ = -1;
    int anchor_ = -1;
};
