#pragma once
// MFC's CRectTracker: a rectangle the user moves and resizes with the mouse, drawn with a border
// and eight resize handles.
//
// Track and TrackRubberBand run MFC's modal tracking loop headlessly: they take the mouse
// gesture the user action announced (ui::Mouse) and follow it point by point, calling
// AdjustRect and OnChangedRect as the rectangle changes, until the button goes up. Without a
// pending gesture the button counts as released at once. Both return TRUE only when the
// rectangle changed; otherwise it keeps its old value.

#include "platform/ui/graphics/WinGdi.h"
#include "platform/ui/windows/CRect.h"

class CDC;

class CRectTracker {
public:
    enum StyleFlags {
        solidLine = 1,
        dottedLine = 2,
        hatchedBorder = 4,
        resizeInside = 8,
        resizeOutside = 16,
        hatchInside = 32,
    };
    enum TrackerHit {
        hitNothing = -1,
        hitTopLeft = 0,
        hitTopRight = 1,
        hitBottomRight = 2,
        hitBottomLeft = 3,
        hitTop = 4,
        hitRight = 5,
        hitBottom = 6,
        hitLeft = 7,
        hitMiddle = 8,
    };

    CRectTracker() = default;
    CRectTracker(LPCRECT rect, UINT style);
    virtual ~CRectTracker() = default;

    CRect m_rect;
    // The smallest width and height the rectangle may get by resizing.
    CSize m_sizeMin;
    int m_nHandleSize = 4;
    UINT m_nStyle = 0;

    // Border and handles in the style.
    void Draw(CDC* dc) const;
    // The rectangle with everything drawn around it (border, outside handles).
    void GetTrueRect(LPRECT rect) const;
    // Sets the cursor for the handle under the pointer; FALSE outside the tracker or for
    // another hit-test code than HTCLIENT.
    BOOL SetCursor(CWnd* window, UINT hitTest) const;
    // The part of the tracker at a point (client coordinates of the window it is drawn in).
    int HitTest(CPoint point) const;
    int NormalizeHit(int handle) const;
    // Moves (hit in the middle) or resizes (hit on a handle) with the announced gesture.
    BOOL Track(CWnd* window, CPoint point, BOOL allowInvert = FALSE, CWnd* clipTo = nullptr);
    // A new rectangle from the point to where the gesture ends.
    BOOL TrackRubberBand(CWnd* window, CPoint point, BOOL allowInvert = TRUE);

    // Bits 0 to 7: which handles exist (corners always; the middle of an edge when the
    // rectangle is long enough).
    virtual UINT GetHandleMask() const;
    virtual void AdjustRect(int handle, LPRECT rect);
    virtual void OnChangedRect(const CRect& oldRect);
    virtual int GetHandleSize(LPCRECT rect = nullptr) const;

protected:
    void GetHandleRect(int handle, CRect* rect) const;
    int HitTestHandles(CPoint point) const;

private:
    BOOL trackHandle(int handle, CWnd* window, CPoint point, BOOL allowInvert);
};
