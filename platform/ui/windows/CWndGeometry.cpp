// Geometry of CWnd: rectangles, coordinate conversion, moving and z-order.

#include "platform/ui/windows/CWnd.h"
#include "platform/ui/windows/WindowFrame.h"
#include "platform/ui/windows/WindowRegistry.h"

#include <algorithm>

CPoint CWnd::clientOriginOnScreen() const {
    CPoint origin = rect_.TopLeft();
    if ((style_ & WS_CHILD) != 0 && parent_ != nullptr) {
        origin = origin + parent_->clientOriginOnScreen();
    }
    const CRect insets = ui::frameInsets(style_, exStyle_);
    return origin + CPoint(insets.left, insets.top);
}

void CWnd::GetWindowRect(LPRECT rect) const {
    if (rect == nullptr) {
        return;
    }
    CPoint origin = rect_.TopLeft();
    if ((style_ & WS_CHILD) != 0 && parent_ != nullptr) {
        origin = origin + parent_->clientOriginOnScreen();
    }
    *rect = CRect(origin, rect_.Size());
}

void CWnd::GetClientRect(LPRECT rect) const {
    if (rect == nullptr) {
        return;
    }
    const CRect insets = ui::frameInsets(style_, exStyle_);
    const int width = std::max(0, rect_.Width() - insets.left - insets.right);
    const int height = std::max(0, rect_.Height() - insets.top - insets.bottom);
    *rect = CRect(0, 0, width, height);
}

void CWnd::ScreenToClient(LPPOINT point) const {
    if (point != nullptr) {
        const CPoint origin = clientOriginOnScreen();
        point->x -= origin.x;
        point->y -= origin.y;
    }
}

void CWnd::ScreenToClient(LPRECT rect) const {
    if (rect != nullptr) {
        const CPoint origin = clientOriginOnScreen();
        static_cast<CRect*>(rect)->OffsetRect(-origin.x, -origin.y);
    }
}

void CWnd::ClientToScreen(LPPOINT point) const {
    if (point != nullptr) {
        const CPoint origin = clientOriginOnScreen();
        point->x += origin.x;
        point->y += origin.y;
    }
}

void CWnd::ClientToScreen(LPRECT rect) const {
    if (rect != nullptr) {
        const CPoint origin = clientOriginOnScreen();
        static_cast<CRect*>(rect)->OffsetRect(origin.x, origin.y);
    }
}

void CWnd::setRectAndNotify(const CRect& rect, bool move, bool size) {
    CRect next = rect_;
    if (move) {
        next = CRect(rect.TopLeft(), next.Size());
    }
    if (size) {
        next.right = next.left + std::max(0, rect.Width());
        next.bottom = next.top + std::max(0, rect.Height());
    }
    const bool resized = next.Size() != rect_.Size();
    rect_ = next;
    if (resized && created_) {
        CRect client;
        GetClientRect(&client);
        SendMessage(WM_SIZE, SIZE_RESTORED, MAKELPARAM(client.Width(), client.Height()));
    }
}

void CWnd::MoveWindow(int x, int y, int width, int height, BOOL repaint) {
    if (!created_) {
        return;
    }
    ui::DispatchGuard guard;
    setRectAndNotify(CRect(x, y, x + width, y + height), true, true);
    if (repaint) {
        Invalidate();
    }
}

void CWnd::MoveWindow(LPCRECT rect, BOOL repaint) {
    if (rect != nullptr) {
        MoveWindow(rect->left, rect->top, rect->right - rect->left, rect->bottom - rect->top,
                   repaint);
    }
}

BOOL CWnd::SetWindowPos(const CWnd* insertAfter, int x, int y, int cx, int cy, UINT flags) {
    if (!created_) {
        return FALSE;
    }
    ui::DispatchGuard guard;
    if ((flags & SWP_NOZORDER) == 0 && (style_ & WS_CHILD) != 0 && parent_ != nullptr &&
        insertAfter != this) {
        auto& siblings = parent_->children_;
        const bool known =
            insertAfter == nullptr || insertAfter == &wndTop || insertAfter == &wndBottom ||
            std::find(siblings.begin(), siblings.end(), insertAfter) != siblings.end();
        if (known) {
            siblings.erase(std::remove(siblings.begin(), siblings.end(), this), siblings.end());
            if (insertAfter == nullptr || insertAfter == &wndTop) {
                siblings.insert(siblings.begin(), this);
            } else if (insertAfter == &wndBottom) {
                siblings.push_back(this);
            } else {
                auto it = std::find(siblings.begin(), siblings.end(), insertAfter);
                siblings.insert(it + 1, this);
            }
        }
    }
    const bool move = (flags & SWP_NOMOVE) == 0;
    const bool size = (flags & SWP_NOSIZE) == 0;
    if (move || size) {
        setRectAndNotify(CRect(x, y, x + cx, y + cy), move, size);
    }
    if ((flags & SWP_SHOWWINDOW) != 0) {
        ShowWindow(SW_SHOWNA);
    } else if ((flags & SWP_HIDEWINDOW) != 0) {
        ShowWindow(SW_HIDE);
    }
    if ((flags & SWP_NOREDRAW) == 0) {
        Invalidate();
    }
    return TRUE;
}
