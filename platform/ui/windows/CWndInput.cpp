// CWnd: mouse input, cursor, capture, painting and sizing messages.

#include "platform/ui/graphics/CBrush.h"
#include "platform/ui/graphics/CDC.h"
#include "platform/ui/users/Mouse.h"
#include "platform/ui/windows/CWnd.h"

namespace {

CPoint pointOf(LPARAM lParam) {
    return {static_cast<SHORT>(LOWORD(static_cast<std::uintptr_t>(lParam))),
            static_cast<SHORT>(HIWORD(static_cast<std::uintptr_t>(lParam)))};
}

bool isDialogFace(const CWnd& window) {
    return window.className().empty() || window.className() == L"#32770";
}

} // namespace

CWnd* CWnd::ChildWindowFromPoint(POINT point, UINT flags) const {
    CRect client;
    GetClientRect(&client);
    if (!client.PtInRect(point)) {
        return nullptr;
    }
    CPoint screen(point);
    ClientToScreen(&screen);
    for (CWnd* child : children_) {
        if ((flags & CWP_SKIPINVISIBLE) != 0 && (child->GetStyle() & WS_VISIBLE) == 0) {
            continue;
        }
        if ((flags & CWP_SKIPDISABLED) != 0 && !child->IsWindowEnabled()) {
            continue;
        }
        CRect rect;
        child->GetWindowRect(&rect);
        if (rect.PtInRect(screen)) {
            return child;
        }
    }
    return const_cast<CWnd*>(this);
}

CWnd* CWnd::SetCapture() {
    return ui::Mouse::instance().setCapture(created_ ? this : nullptr);
}

CWnd* CWnd::GetCapture() {
    return ui::Mouse::instance().capture();
}

bool CWnd::dispatchPointerAndPaint(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    result = 0;
    switch (message) {
    case WM_MOUSEMOVE:
        OnMouseMove(static_cast<UINT>(wParam), pointOf(lParam));
        return true;
    case WM_RBUTTONDBLCLK:
        OnRButtonDblClk(static_cast<UINT>(wParam), pointOf(lParam));
        return true;
    case WM_SETCURSOR:
        result = OnSetCursor(reinterpret_cast<CWnd*>(wParam),
                             LOWORD(static_cast<std::uintptr_t>(lParam)),
                             HIWORD(static_cast<std::uintptr_t>(lParam)));
        return true;
    case WM_CAPTURECHANGED:
        OnCaptureChanged(reinterpret_cast<CWnd*>(lParam));
        return true;
    case WM_ERASEBKGND:
        result = OnEraseBkgnd(reinterpret_cast<CDC*>(wParam));
        return true;
    case WM_PAINT:
        OnPaint();
        return true;
    case WM_CTLCOLORSTATIC:
        result = reinterpret_cast<LRESULT>(OnCtlColor(
            reinterpret_cast<CDC*>(wParam), reinterpret_cast<CWnd*>(lParam), CTLCOLOR_STATIC));
        return true;
    case WM_GETMINMAXINFO:
        OnGetMinMaxInfo(reinterpret_cast<MINMAXINFO*>(lParam));
        return true;
    default:
        return false;
    }
}

void CWnd::OnRButtonDblClk(UINT, CPoint) {}
void CWnd::OnMouseMove(UINT, CPoint) {}
void CWnd::OnCaptureChanged(CWnd*) {}
void CWnd::OnPaint() {}
void CWnd::OnGetMinMaxInfo(MINMAXINFO*) {}

BOOL CWnd::OnSetCursor(CWnd* window, UINT hitTest, UINT message) {
    if ((style_ & WS_CHILD) != 0 && parent_ != nullptr &&
        parent_->SendMessage(WM_SETCURSOR, reinterpret_cast<WPARAM>(window),
                             MAKELPARAM(hitTest, message)) != 0) {
        return TRUE;
    }
    if (hitTest == HTCLIENT && window == this) {
        ::SetCursor(LoadCursor(nullptr, className_ == L"Edit" ? IDC_IBEAM : IDC_ARROW));
    }
    return FALSE;
}

BOOL CWnd::OnEraseBkgnd(CDC* dc) {
    if (dc == nullptr) {
        return FALSE;
    }
    CRect client;
    GetClientRect(&client);
    dc->FillSolidRect(&client, GetSysColor(isDialogFace(*this) ? COLOR_BTNFACE : COLOR_WINDOW));
    return TRUE;
}

HBRUSH CWnd::OnCtlColor(CDC* dc, CWnd* window, UINT ctlColor) {
    if (window != nullptr && window != this) {
        if (HBRUSH own = window->CtlColor(dc, ctlColor)) {
            return own;
        }
    }
    return GetSysColorBrush(COLOR_BTNFACE);
}

HBRUSH CWnd::CtlColor(CDC*, UINT) {
    return nullptr;
}
