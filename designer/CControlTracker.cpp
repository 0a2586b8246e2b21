#include "designer/CControlTracker.h"

#include "platform/ui/windows/WinConstants.h"

#include <algorithm>

CControlTracker::CControlTracker(CWnd* dialog) : dialog_(dialog) {
    m_nStyle = dottedLine;
}

void CControlTracker::add(CControlRect* rect) {
    if (rect != nullptr && std::find(all_.begin(), all_.end(), rect) == all_.end()) {
        all_.push_back(rect);
    }
}

void CControlTracker::remove(CControlRect* rect) {
    all_.erase(std::remove(all_.begin(), all_.end(), rect), all_.end());
    selected_.erase(std::remove(selected_.begin(), selected_.end(), rect), selected_.end());
}

void CControlTracker::clearSelection() {
    for (CControlRect* rect : selected_) {
        rect->setSelected(false);
    }
    selected_.clear();
}

void CControlTracker::select(CControlRect* rect) {
    if (rect == nullptr || rect->isSelected()) {
        return;
    }
    rect->setSelected(true);
    selected_.push_back(rect);
}

std::vector<int> CControlTracker::selectedIds() const {
    std::vector<int> ids;
    for (const CControlRect* rect : selected_) {
        ids.push_back(rect->id());
    }
    return ids;
}

void CControlTracker::moveSelection(CPoint point) {
    // The selection moves as one frame around all of it.
    CRect bounds = selected_.front()->rect();
    for (const CControlRect* rect : selected_) {
        bounds.UnionRect(CRect(bounds), rect->rect());
    }
    CRectTracker frame(&bounds, dottedLine);
    if (!frame.Track(dialog_, point)) {
        return;
    }
    const CPoint offset(frame.m_rect.left - bounds.left, frame.m_rect.top - bounds.top);
    for (CControlRect* rect : selected_) {
        CRect moved = rect->rect();
        moved.OffsetRect(offset);
        rect->moveTo(moved);
    }
}

bool CControlTracker::click(CPoint point, UINT flags, bool allowRubberBand) {
    for (CControlRect* rect : all_) {
        rect->followWindow();
        const int hit = rect->HitTest(point);
        if (hit == hitNothing) {
            continue;
        }
        if (flags & MK_CONTROL) {
            if (rect->isSelected()) {
                rect->setSelected(false);
                selected_.erase(std::remove(selected_.begin(), selected_.end(), rect),
                                selected_.end());
            } else {
                select(rect);
            }
        } else if (flags & MK_SHIFT) {
            select(rect);
        } else {
            if (!rect->isSelected()) {
                clearSelection();
            }
            select(rect);
            if (hit == hitMiddle) {
                moveSelection(point);
            } else if (rect->Track(dialog_, point)) {
                rect->moveTo(rect->m_rect);
            }
        }
        if (dialog_ != nullptr) {
            dialog_->Invalidate();
        }
        return true;
    }
    if (flags & (MK_SHIFT | MK_CONTROL)) {
        return false;
    }
    clearSelection();
    if (allowRubberBand) {
        CRectTracker band;
        if (band.TrackRubberBand(dialog_, point)) {
            CRect area = band.m_rect;
            area.NormalizeRect();
            for (CControlRect* rect : all_) {
                CRect inside;
                inside.IntersectRect(area, rect->rect());
                if (inside == rect->rect()) {
                    select(rect);
                }
            }
        }
    }
    if (dialog_ != nullptr) {
        dialog_->Invalidate();
    }
    return false;
}

void CControlTracker::drawSelection(CDC* dc) const {
    for (const CControlRect* rect : selected_) {
        rect->Draw(dc);
    }
}

BOOL CControlTracker::setCursor(CWnd* window, UINT hitTest) const {
    for (const CControlRect* rect : selected_) {
        if (rect->SetCursor(window, hitTest)) {
            return TRUE;
        }
    }
    return FALSE;
}
