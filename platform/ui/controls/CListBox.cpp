#include "platform/ui/controls/CListBox.h"

#include "platform/ui/controls/ItemSearch.h"
#include "platform/ui/users/UserActions.h"

#include <algorithm>

BOOL CListBox::Create(DWORD style, const RECT& rect, CWnd* parent, UINT id) {
    return CreateEx(0, L"ListBox", L"", style, rect, parent, id);
}

int CListBox::GetCurSel() const {
    return isMultiple() ? caret_ : curSel_;
}

int CListBox::SetCurSel(int select) {
    if (isMultiple()) {
        return LB_ERR;
    }
    if (curSel_ >= 0) {
        items_[static_cast<std::size_t>(curSel_)].selected = false;
    }
    if (select < 0 || select >= GetCount()) {
        curSel_ = -1;
        Invalidate();
        return LB_ERR;
    }
    curSel_ = select;
    caret_ = select;
    items_[static_cast<std::size_t>(select)].selected = true;
    Invalidate();
    return select;
}

int CListBox::GetSel(int index) const {
    if (index < 0 || index >= GetCount()) {
        return LB_ERR;
    }
    return items_[static_cast<std::size_t>(index)].selected ? 1 : 0;
}

int CListBox::SetSel(int index, BOOL select) {
    if (!isMultiple() || index < -1 || index >= GetCount()) {
        return LB_ERR;
    }
    if (index == -1) {
        for (Item& item : items_) {
            item.selected = select != FALSE;
        }
    } else {
        items_[static_cast<std::size_t>(index)].selected = select != FALSE;
        caret_ = index;
    }
    Invalidate();
    return LB_OKAY;
}

int CListBox::GetSelCount() const {
    if (!isMultiple()) {
        return LB_ERR;
    }
    return static_cast<int>(
        std::count_if(items_.begin(), items_.end(), [](const Item& i) { return i.selected; }));
}

int CListBox::GetSelItems(int maxItems, int* indexes) const {
    if (!isMultiple()) {
        return LB_ERR;
    }
    int written = 0;
    for (int i = 0; i < GetCount() && written < maxItems; ++i) {
        if (items_[static_cast<std::size_t>(i)].selected) {
            if (indexes != nullptr) {
                indexes[written] = i;
            }
            ++written;
        }
    }
    return written;
}

int CListBox::AddString(const std::wstring& text) {
    int position = GetCount();
    if ((GetStyle() & LBS_SORT) != 0) {
        position = ui::ItemSearch::sortedPosition(
            GetCount(), [this](int i) -> const std::wstring& { return items_[i].text; }, text);
    }
    return InsertString(position, text);
}

int CListBox::InsertString(int index, const std::wstring& text) {
    if (index < 0 || index > GetCount()) {
        if (index != -1) {
            return LB_ERR;
        }
        index = GetCount();
    }
    items_.insert(items_.begin() + index, Item{text, 0, false});
    const auto shift = [index](int& position) {
        if (position >= index) {
            ++position;
        }
    };
    shift(curSel_);
    shift(caret_);
    shift(anchor_);
    Invalidate();
    return index;
}

int CListBox::DeleteString(UINT index) {
    if (index >= items_.size()) {
        return LB_ERR;
    }
    const int i = static_cast<int>(index);
    items_.erase(items_.begin() + i);
    const auto shift = [i](int& position) {
        if (position == i) {
            position = -1;
        } else if (position > i) {
            --position;
        }
    };
    shift(curSel_);
    shift(caret_);
    shift(anchor_);
    Invalidate();
    return GetCount();
}

void CListBox::ResetContent() {
    items_.clear();
    curSel_ = caret_ = anchor_ = -1;
    Invalidate();
}

int CListBox::GetText(int index, std::wstring& text) const {
    if (index < 0 || index >= GetCount()) {
        text.clear();
        return LB_ERR;
    }
    text = items_[static_cast<std::size_t>(index)].text;
    return static_cast<int>(text.size());
}

int CListBox::GetTextLen(int index) const {
    return index >= 0 && index < GetCount()
               ? static_cast<int>(items_[static_cast<std::size_t>(index)].text.size())
               : LB_ERR;
}

int CListBox::find(int startAfter, const std::wstring& text, bool exact) const {
    return ui::ItemSearch::find(
        GetCount(), [this](int i) -> const std::wstring& { return items_[i].text; }, startAfter,
        text, exact);
}

int CListBox::FindString(int startAfter, const std::wstring& text) const {
    return find(startAfter, text, false);
}

int CListBox::FindStringExact(int startAfter, const std::wstring& text) const {
    return find(startAfter, text, true);
}

int CListBox::SelectString(int startAfter, const std::wstring& text) {
    if (isMultiple()) {
        return LB_ERR;
    }
    const int index = FindString(startAfter, text);
    if (index == LB_ERR) {
        return LB_ERR;
    }
    return SetCurSel(index);
}

int CListBox::SetItemData(int index, DWORD_PTR data) {
    if (index < 0 || index >= GetCount()) {
        return LB_ERR;
    }
    items_[static_cast<std::size_t>(index)].data = data;
    return LB_OKAY;
}

DWORD_PTR CListBox::GetItemData(int index) const {
    if (index < 0 || index >= GetCount()) {
        return static_cast<DWORD_PTR>(LB_ERR);
    }
    return items_[static_cast<std::size_t>(index)].data;
}

void CListBox::notifyIfWanted(UINT code) {
    if ((GetStyle() & LBS_NOTIFY) != 0) {
        notifyParent(code);
    }
}

bool CListBox::userClickItem(int index, unsigned modifiers) {
    if (index < 0 || index >= GetCount() || (GetStyle() & LBS_NOSEL) != 0) {
        return false;
    }
    SetFocus();
    if (index >= GetCount()) {
        return false; // a focus handler emptied the list
    }
    const DWORD style = GetStyle();
    if ((style & LBS_EXTENDEDSEL) != 0) {
        if ((modifiers & ui::Shift) != 0 && anchor_ >= 0) {
            const bool keep = (modifiers & ui::Control) != 0;
            for (int i = 0; i < GetCount(); ++i) {
                const bool inRange = i >= std::min(anchor_, index) && i <= std::max(anchor_, index);
                Item& item = items_[static_cast<std::size_t>(i)];
                item.selected = inRange || (keep && item.selected);
            }
        } else if ((modifiers & ui::Control) != 0) {
            Item& item = items_[static_cast<std::size_t>(index)];
            item.selected = !item.selected;
            anchor_ = index;
        } else {
            for (Item& item : items_) {
                item.selected = false;
            }
            items_[static_cast<std::size_t>(index)].selected = true;
            anchor_ = index;
        }
        caret_ = index;
    } else if ((style & LBS_MULTIPLESEL) != 0) {
        Item& item = items_[static_cast<std::size_t>(index)];
        item.selected = !item.selected;
        caret_ = index;
        anchor_ = index;
    } else {
        SetCurSel(index);
    }
    Invalidate();
    notifyIfWanted(LBN_SELCHANGE);
    return true;
}

bool CListBox::userDoubleClickItem(int index) {
    if (!userClickItem(index, ui::NoModifier)) {
        return false;
    }
    notifyIfWanted(LBN_DBLCLK);
    return true;
}

void CListBox::OnSetFocus(CWnd*) {
    notifyIfWanted(LBN_SETFOCUS);
}

void CListBox::OnKillFocus(CWnd*) {
    notifyIfWanted(LBN_KILLFOCUS);
}

void CListBox::takeOverState(CWnd& original) {
    if (auto* other = dynamic_cast<CListBox*>(&original)) {
        items_ = other->items_;
        curSel_ = other->curSel_;
        caret_ = other->caret_;
        anchor_ = other->anchor_;
    }
}
