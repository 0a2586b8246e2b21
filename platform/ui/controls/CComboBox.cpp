#include "platform/ui/controls/CComboBox.h"

#include "platform/ui/controls/ItemSearch.h"

#include <algorithm>

BOOL CComboBox::Create(DWORD style, const RECT& rect, CWnd* parent, UINT id) {
    return CreateEx(0, L"ComboBox", L"", style, rect, parent, id);
}

std::wstring CComboBox::GetWindowText() const {
    if (!hasEdit()) {
        return curSel_ >= 0 ? items_[static_cast<std::size_t>(curSel_)].text : std::wstring();
    }
    return CWnd::GetWindowText();
}

void CComboBox::SetWindowText(const std::wstring& text) {
    // A drop-down list shows its selection only; Win32 ignores WM_SETTEXT there as well.
    if (hasEdit()) {
        CWnd::SetWindowText(text);
        editSelStart_ = editSelEnd_ = 0;
    }
}

void CComboBox::setSelection(int index) {
    curSel_ = (index >= 0 && index < GetCount()) ? index : -1;
    if (hasEdit()) {
        CWnd::SetWindowText(curSel_ >= 0 ? items_[static_cast<std::size_t>(curSel_)].text
                                         : std::wstring());
        editSelStart_ = 0;
        editSelEnd_ = static_cast<int>(CWnd::GetWindowText().size());
    }
    Invalidate();
}

int CComboBox::SetCurSel(int index) {
    setSelection(index);
    return curSel_ == index && index >= 0 ? index : CB_ERR;
}

int CComboBox::AddString(const std::wstring& text) {
    int position = GetCount();
    if ((GetStyle() & CBS_SORT) != 0) {
        position = ui::ItemSearch::sortedPosition(
            GetCount(), [this](int i) -> const std::wstring& { return items_[i].text; }, text);
    }
    return InsertString(position, text);
}

int CComboBox::InsertString(int index, const std::wstring& text) {
    if (index < 0 || index > GetCount()) {
        if (index != -1) {
            return CB_ERR;
        }
        index = GetCount();
    }
    items_.insert(items_.begin() + index, Item{text, 0});
    if (curSel_ >= index) {
        ++curSel_;
    }
    Invalidate();
    return index;
}

int CComboBox::DeleteString(UINT index) {
    if (index >= items_.size()) {
        return CB_ERR;
    }
    const int i = static_cast<int>(index);
    items_.erase(items_.begin() + i);
    if (curSel_ == i) {
        curSel_ = -1;
    } else if (curSel_ > i) {
        --curSel_;
    }
    Invalidate();
    return GetCount();
}

void CComboBox::ResetContent() {
    items_.clear();
    curSel_ = -1;
    if (hasEdit()) {
        CWnd::SetWindowText(L"");
    }
    editSelStart_ = editSelEnd_ = 0;
    Invalidate();
}

void CComboBox::GetLBText(int index, std::wstring& text) const {
    text = GetLBText(index);
}

std::wstring CComboBox::GetLBText(int index) const {
    return index >= 0 && index < GetCount() ? items_[static_cast<std::size_t>(index)].text
                                            : std::wstring();
}

int CComboBox::GetLBTextLen(int index) const {
    return index >= 0 && index < GetCount()
               ? static_cast<int>(items_[static_cast<std::size_t>(index)].text.size())
               : CB_ERR;
}

int CComboBox::find(int startAfter, const std::wstring& text, bool exact) const {
    return ui::ItemSearch::find(
        GetCount(), [this](int i) -> const std::wstring& { return items_[i].text; }, startAfter,
        text, exact);
}

int CComboBox::FindString(int startAfter, const std::wstring& text) const {
    return find(startAfter, text, false);
}

int CComboBox::FindStringExact(int startAfter, const std::wstring& text) const {
    return find(startAfter, text, true);
}

int CComboBox::SelectString(int startAfter, const std::wstring& text) {
    const int index = FindString(startAfter, text);
    if (index == CB_ERR) {
        return CB_ERR;
    }
    setSelection(index);
    return index;
}

int CComboBox::SetItemData(int index, DWORD_PTR data) {
    if (index < 0 || index >= GetCount()) {
        return CB_ERR;
    }
    items_[static_cast<std::size_t>(index)].data = data;
    return CB_OKAY;
}

DWORD_PTR CComboBox::GetItemData(int index) const {
    if (index < 0 || index >= GetCount()) {
        return static_cast<DWORD_PTR>(CB_ERR);
    }
    return items_[static_cast<std::size_t>(index)].data;
}

BOOL CComboBox::SetEditSel(int start, int end) {
    if (!hasEdit()) {
        return FALSE;
    }
    const int length = static_cast<int>(CWnd::GetWindowText().size());
    if (start < 0) {
        editSelStart_ = editSelEnd_;
        return TRUE;
    }
    if (end < 0 || end > length) {
        end = length;
    }
    start = std::min(start, length);
    editSelStart_ = std::min(start, end);
    editSelEnd_ = std::max(start, end);
    return TRUE;
}

void CComboBox::userDropDown() {
    if (isDropDown() && !dropped_) {
        dropped_ = true;
        notifyParent(CBN_DROPDOWN);
    }
}

void CComboBox::userCloseUp() {
    if (dropped_) {
        dropped_ = false;
        notifyParent(CBN_CLOSEUP);
    }
}

bool CComboBox::userSelect(int index) {
    if (index < 0 || index >= GetCount()) {
        return false;
    }
    SetFocus();
    if (!isDropDown()) {
        setSelection(index);
        notifyParent(CBN_SELENDOK);
        notifyParent(CBN_SELCHANGE);
        return true;
    }
    userDropDown();
    setSelection(index);
    notifyParent(CBN_SELENDOK);
    userCloseUp();
    notifyParent(CBN_SELCHANGE);
    return true;
}

bool CComboBox::userTypeText(const std::wstring& text) {
    if (!hasEdit()) {
        return false;
    }
    SetFocus();
    const bool changed = CWnd::GetWindowText() != text || editSelStart_ != editSelEnd_;
    CWnd::SetWindowText(text);
    editSelStart_ = editSelEnd_ = static_cast<int>(text.size());
    if (changed) {
        notifyParent(CBN_EDITUPDATE);
        notifyParent(CBN_EDITCHANGE);
    }
    return true;
}

void CComboBox::OnLButtonDown(UINT, CPoint) {
    SetFocus();
}

void CComboBox::OnSetFocus(CWnd*) {
    notifyParent(CBN_SETFOCUS);
}

void CComboBox::OnKillFocus(CWnd*) {
    userCloseUp();
    notifyParent(CBN_KILLFOCUS);
}

void CComboBox::takeOverState(CWnd& original) {
    if (auto* other = dynamic_cast<CComboBox*>(&original)) {
        items_ = other->items_;
        curSel_ = other->curSel_;
        editSelStart_ = other->editSelStart_;
        editSelEnd_ = other->editSelEnd_;
    }
}
