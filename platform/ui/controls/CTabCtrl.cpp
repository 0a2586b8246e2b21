#include "platform/ui/controls/CTabCtrl.h"

namespace {

constexpr int kTabBorder = 4;
constexpr int kTabRowHeight = 24;

} // namespace

BOOL CTabCtrl::Create(DWORD style, const RECT& rect, CWnd* parent, UINT id) {
    return CreateEx(0, L"SysTabControl32", L"", style, rect, parent, id);
}

LONG CTabCtrl::InsertItem(int index, const std::wstring& text) {
    TCITEM item;
    item.mask = TCIF_TEXT;
    item.pszText = text;
    return InsertItem(index, &item);
}

LONG CTabCtrl::InsertItem(int index, const TCITEM* item) {
    if (item == nullptr || index < 0) {
        return -1;
    }
    if (index > GetItemCount()) {
        index = GetItemCount();
    }
    TCITEM stored;
    stored.mask = item->mask;
    if ((item->mask & TCIF_TEXT) != 0) {
        stored.pszText = item->pszText;
    }
    if ((item->mask & TCIF_IMAGE) != 0) {
        stored.iImage = item->iImage;
    }
    if ((item->mask & TCIF_PARAM) != 0) {
        stored.lParam = item->lParam;
    }
    items_.insert(items_.begin() + index, stored);
    if (curSel_ >= index) {
        ++curSel_;
    } else if (curSel_ < 0) {
        // The first tab of a control becomes the selected one, as in Win32.
        curSel_ = 0;
    }
    Invalidate();
    return index;
}

BOOL CTabCtrl::DeleteItem(int index) {
    if (index < 0 || index >= GetItemCount()) {
        return FALSE;
    }
    items_.erase(items_.begin() + index);
    if (curSel_ == index) {
        curSel_ = -1;
    } else if (curSel_ > index) {
        --curSel_;
    }
    Invalidate();
    return TRUE;
}

BOOL CTabCtrl::DeleteAllItems() {
    items_.clear();
    curSel_ = -1;
    Invalidate();
    return TRUE;
}

BOOL CTabCtrl::GetItem(int index, TCITEM* item) const {
    if (item == nullptr || index < 0 || index >= GetItemCount()) {
        return FALSE;
    }
    const TCITEM& stored = items_[static_cast<std::size_t>(index)];
    if ((item->mask & TCIF_TEXT) != 0) {
        item->pszText = stored.pszText;
    }
    if ((item->mask & TCIF_IMAGE) != 0) {
        item->iImage = stored.iImage;
    }
    if ((item->mask & TCIF_PARAM) != 0) {
        item->lParam = stored.lParam;
    }
    return TRUE;
}

BOOL CTabCtrl::SetItem(int index, const TCITEM* item) {
    if (item == nullptr || index < 0 || index >= GetItemCount()) {
        return FALSE;
    }
    TCITEM& stored = items_[static_cast<std::size_t>(index)];
    if ((item->mask & TCIF_TEXT) != 0) {
        stored.pszText = item->pszText;
    }
    if ((item->mask & TCIF_IMAGE) != 0) {
        stored.iImage = item->iImage;
    }
    if ((item->mask & TCIF_PARAM) != 0) {
        stored.lParam = item->lParam;
    }
    Invalidate();
    return TRUE;
}

int CTabCtrl::SetCurSel(int index) {
    if (index < 0 || index >= GetItemCount()) {
        return -1;
    }
    const int previous = curSel_;
    curSel_ = index;
    Invalidate();
    return previous;
}

void CTabCtrl::AdjustRect(BOOL larger, LPRECT rect) const {
    if (rect == nullptr) {
        return;
    }
    const int sign = larger ? -1 : 1;
    rect->left += sign * kTabBorder;
    rect->top += sign * kTabRowHeight;
    rect->right -= sign * kTabBorder;
    rect->bottom -= sign * kTabBorder;
}

bool CTabCtrl::userSelectTab(int index) {
    if (index < 0 || index >= GetItemCount()) {
        return false;
    }
    if (index != curSel_) {
        NMHDR changing;
        changing.code = TCN_SELCHANGING;
        if (notifyParent(changing) != 0) {
            NMHDR click;
            click.code = NM_CLICK;
            notifyParent(click);
            return true;
        }
        if (index < GetItemCount()) {
            curSel_ = index;
            Invalidate();
        }
        NMHDR change;
        change.code = TCN_SELCHANGE;
        notifyParent(change);
    }
    NMHDR click;
    click.code = NM_CLICK;
    notifyParent(click);
    return true;
}

void CTabCtrl::takeOverState(CWnd& original) {
    if (auto* other = dynamic_cast<CTabCtrl*>(&original)) {
        items_ = other->items_;
        curSel_ = other->curSel_;
    }
}
