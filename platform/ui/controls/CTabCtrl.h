#pragma once
// CTabCtrl: a row of tabs, each with a text, an image index and a parameter. SetCurSel never
// notifies; a user click on another tab sends TCN_SELCHANGING (WM_NOTIFY; a nonzero result
// keeps the current tab) and then TCN_SELCHANGE, and NM_CLICK last.

#include "platform/ui/windows/CWnd.h"

#include <string>
#include <vector>

constexpr UINT TCIF_TEXT = 0x0001;
constexpr UINT TCIF_IMAGE = 0x0002;
constexpr UINT TCIF_PARAM = 0x0008;

// One tab as TCM_INSERTITEM / TCM_GETITEM see it; the text is held as a string.
struct TCITEM {
    UINT mask = 0;
    std::wstring pszText;
    int iImage = -1;
    LPARAM lParam = 0;
};

class CTabCtrl : public CWnd {
public:
    CTabCtrl() = default;

    BOOL Create(DWORD style, const RECT& rect, CWnd* parent, UINT id);

    // Index of the new tab, -1 on failure (index beyond the count appends).
    LONG InsertItem(int index, const std::wstring& text);
    LONG InsertItem(int index, const TCITEM* item);
    BOOL DeleteItem(int index);
    BOOL DeleteAllItems();
    int GetItemCount() const { return static_cast<int>(items_.size()); }
    BOOL GetItem(int index, TCITEM* item) const;
    BOOL SetItem(int index, const TCITEM* item);
    int GetCurSel() const { return curSel_; }
    // Returns the previous selection, -1 for a bad index (selection unchanged).
    int SetCurSel(int index);
    // Display area (larger = FALSE) from a window rectangle, or the reverse: 4 pixels of
    // border on three sides and 24 on top (one row of tabs).
    void AdjustRect(BOOL larger, LPRECT rect) const;

    // User input: a click on tab `index`. False for a bad index.
    virtual bool userSelectTab(int index);

protected:
    void takeOverState(CWnd& original) override;

private:
    std::vector<TCITEM> items_;
    int curSel_ = -1;
};
