#include "platform/ui/users/CRectTracker.h"

#include "platform/ui/graphics/CDC.h"
#include "platform/ui/graphics/CPen.h"
#include "platform/ui/users/Mouse.h"
#include "platform/ui/windows/CWnd.h"

#include <algorithm>
#include <cstdlib>
#include <optional>

namespace {

// Per handle: which edges of the rectangle it moves (left, top, right, bottom), where it sits
// on the edges (0 start, 1 middle, 2 end, horizontally and vertically) and its cursor.
struct HandleInfo {
    bool left, top, right, bottom;
    int placeX, placeY;
    UINT cursor;
};

constexpr HandleInfo kHandles[9] = {
    {true, true, false, false, 0, 0, IDC_SIZENWSE}, // top left
    {false, true, true, false, 2, 0, IDC_SIZENESW}, // top right
    {false, false, true, true, 2, 2, IDC_SIZENWSE}, // bottom right
    {true, false, false, true, 0, 2, IDC_SIZENESW}, // bottom left
    {false, true, false, false, 1, 0, IDC_SIZENS},  // top
    {false, false, true, false, 2, 1, IDC_SIZEWE},  // right
    {false, false, false, true, 1, 2, IDC_SIZENS},  // bottom
    {true, false, false, false, 0, 1, IDC_SIZEWE},  // left
    {true, true, true, true, 1, 1, IDC_SIZEALL},    // middle
};

CRect normalized(const CRect& rect) {
    CRect result = rect;
    result.NormalizeRect();
    return result;
}

} // namespace

CRectTracker::CRectTracker(LPCRECT rect, UINT style) : m_nStyle(style) {
    if (rect != nullptr) {
        m_rect = *rect;
    }
}

int CRectTracker::GetHandleSize(LPCRECT rect) const {
    const CRect r = rect != nullptr ? CRect(*rect) : m_rect;
    int size = m_nHandleSize;
    if ((m_nStyle & resizeOutside) == 0) {
        // Inside handles never take more than a third of the rectangle.
        const int side = std::min(std::abs(r.Width()), std::abs(r.Height()));
        size = std::max(1, std::min(size, side / 3 == 0 ? 1 : side / 3));
    }
    return size;
}

UINT CRectTracker::GetHandleMask() const {
    UINT mask = 0x0F;
    const int size = m_nHandleSize * 3;
    if (std::abs(m_rect.Width()) - size > 4) {
        mask |= 0x50;
    }
    if (std::abs(m_rect.Height()) - size > 4) {
        mask |= 0xA0;
    }
    return mask;
}

void CRectTracker::GetTrueRect(LPRECT rect) const {
    CRect result = normalized(m_rect);
    int inflate = 0;
    if ((m_nStyle & (resizeOutside | hatchedBorder)) != 0) {
        inflate += GetHandleSize() - 1;
    }
    if ((m_nStyle & (solidLine | dottedLine)) != 0) {
        ++inflate;
    }
    result.InflateRect(inflate, inflate);
    *rect = result;
}

int CRectTracker::NormalizeHit(int handle) const {
    if (handle == hitMiddle || handle == hitNothing) {
        return handle;
    }
    // A rectangle drawn inverted has its handles swapped.
    const bool flipX = m_rect.Width() < 0;
    const bool flipY = m_rect.Height() < 0;
    static constexpr int kFlipX[8] = {1, 0, 3, 2, 4, 7, 6, 5};
    static constexpr int kFlipY[8] = {3, 2, 1, 0, 6, 5, 4, 7};
    if (flipX) {
        handle = kFlipX[handle];
    }
    if (flipY) {
        handle = kFlipY[handle];
    }
    return handle;
}

void CRectTracker::GetHandleRect(int handle, CRect* rect) const {
    CRect outer = normalized(m_rect);
    if ((m_nStyle & (solidLine | dottedLine)) != 0) {
        outer.InflateRect(1, 1);
    }
    const int size = GetHandleSize();
    if ((m_nStyle & resizeOutside) != 0) {
        outer.InflateRect(size - 1, size - 1);
    }
    const HandleInfo& info = kHandles[NormalizeHit(handle)];
    const auto place = [size](int start, int end, int where) {
        switch (where) {
        case 0:
            return start;
        case 1:
            return start + (end - start - size) / 2;
        default:
            return end - size;
        }
    };
    const int x = place(outer.left, outer.right, info.placeX);
    const int y = place(outer.top, outer.bottom, info.placeY);
    *rect = CRect(x, y, x + size, y + size);
}

int CRectTracker::HitTestHandles(CPoint point) const {
    CRect rect;
    GetTrueRect(&rect);
    if (!rect.PtInRect(point)) {
        return hitNothing;
    }
    const UINT mask = GetHandleMask();
    for (int i = 0; i < 8; ++i) {
        if ((mask & (1U << i)) != 0) {
            CRect handle;
            GetHandleRect(i, &handle);
            if (handle.PtInRect(point)) {
                return i;
            }
        }
    }
    if ((m_nStyle & hatchedBorder) == 0) {
        CRect inner = normalized(m_rect);
        if ((m_nStyle & (dottedLine | solidLine)) != 0) {
            inner.InflateRect(1, 1);
        }
        if (!inner.PtInRect(point)) {
            return hitNothing; // between the outside handles
        }
    }
    return hitMiddle;
}

int CRectTracker::HitTest(CPoint point) const {
    CRect rect;
    GetTrueRect(&rect);
    if (!rect.PtInRect(point)) {
        return hitNothing;
    }
    if ((m_nStyle & (resizeInside | resizeOutside)) != 0) {
        return HitTestHandles(point);
    }
    return hitMiddle;
}

BOOL CRectTracker::SetCursor(CWnd* window, UINT hitTest) const {
    if (hitTest != HTCLIENT || window == nullptr) {
        return FALSE;
    }
    CPoint point;
    GetCursorPos(&point);
    window->ScreenToClient(&point);
    const int handle = HitTestHandles(point);
    if (handle < 0) {
        return FALSE;
    }
    ::SetCursor(LoadCursor(nullptr, kHandles[NormalizeHit(handle)].cursor));
    return TRUE;
}

void CRectTracker::Draw(CDC* dc) const {
    if (dc == nullptr) {
        return;
    }
    const CRect rect = normalized(m_rect);
    if ((m_nStyle & (solidLine | dottedLine)) != 0) {
        CPen pen((m_nStyle & dottedLine) != 0 ? PS_DOT : PS_SOLID, 1, RGB(0, 0, 0));
        CPen* old = dc->SelectObject(&pen);
        CRect border = rect;
        border.InflateRect(1, 1);
        dc->MoveTo(border.left, border.top);
        dc->LineTo(border.right - 1, border.top);
        dc->LineTo(border.right - 1, border.bottom - 1);
        dc->LineTo(border.left, border.bottom - 1);
        dc->LineTo(border.left, border.top);
        dc->SelectObject(old);
    }
    if ((m_nStyle & (resizeInside | resizeOutside)) != 0) {
        const UINT mask = GetHandleMask();
        for (int i = 0; i < 8; ++i) {
            if ((mask & (1U << i)) != 0) {
                CRect handle;
                GetHandleRect(i, &handle);
                dc->FillSolidRect(&handle, RGB(0, 0, 0));
            }
        }
    }
}

void CRectTracker::AdjustRect(int handle, LPRECT rect) {
    if (handle == hitMiddle || rect == nullptr) {
        return;
    }
    const HandleInfo& info = kHandles[handle];
    CRect& r = *static_cast<CRect*>(rect);
    // Keep the minimum size by moving the edge that the handle drags.
    if (std::abs(r.Width()) < m_sizeMin.cx) {
        const int sign = r.Width() < 0 ? -1 : 1;
        if (info.left) {
            r.left = r.right - sign * m_sizeMin.cx;
        } else if (info.right) {
            r.right = r.left + sign * m_sizeMin.cx;
        }
    }
    if (std::abs(r.Height()) < m_sizeMin.cy) {
        const int sign = r.Height() < 0 ? -1 : 1;
        if (info.top) {
            r.top = r.bottom - sign * m_sizeMin.cy;
        } else if (info.bottom) {
            r.bottom = r.top + sign * m_sizeMin.cy;
        }
    }
}

void CRectTracker::OnChangedRect(const CRect&) {}

BOOL CRectTracker::Track(CWnd* window, CPoint point, BOOL allowInvert, CWnd*) {
    const int handle = HitTestHandles(point);
    if (handle < 0) {
        return FALSE;
    }
    return trackHandle(NormalizeHit(handle), window, point, allowInvert);
}

BOOL CRectTracker::TrackRubberBand(CWnd* window, CPoint point, BOOL allowInvert) {
    m_rect = CRect(point.x, point.y, point.x, point.y);
    return trackHandle(hitBottomRight, window, point, allowInvert);
}

BOOL CRectTracker::trackHandle(int handle, CWnd* window, CPoint point, BOOL allowInvert) {
    if (window == nullptr || window->GetSafeHwnd() == nullptr || GetCapture() != nullptr) {
        return FALSE;
    }
    const CRect saved = m_rect;
    const HandleInfo& info = kHandles[handle];
    std::optional<ui::MouseGesture> gesture = ui::Mouse::instance().takeGesture();
    window->SetCapture();
    bool moved = false;
    if (gesture) {
        for (const CPoint& screen : gesture->path) {
            CPoint at = screen;
            window->ScreenToClient(&at);
            ui::Mouse::instance().setPosition(screen);
            const CRect before = m_rect;
            const int dx = at.x - point.x;
            const int dy = at.y - point.y;
            CRect next = saved;
            if (handle == hitMiddle) {
                next.OffsetRect(dx, dy);
            } else {
                if (info.left)
                    next.left += dx;
                if (info.right)
                    next.right += dx;
                if (info.top)
                    next.top += dy;
                if (info.bottom)
                    next.bottom += dy;
            }
            m_rect = next;
            AdjustRect(handle, &m_rect);
            if (!(before == m_rect)) {
                moved = true;
                OnChangedRect(before);
            }
        }
    }
    ReleaseCapture();
    if (!moved) {
        m_rect = saved;
    }
    if (!allowInvert) {
        m_rect.NormalizeRect();
    }
    return saved == m_rect ? FALSE : TRUE;
}
