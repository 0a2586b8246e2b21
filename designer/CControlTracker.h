#pragma once
// CControlTracker: the mouse work of the designer on the drawn controls of a design: selecting
// (with Ctrl to toggle, Shift to add), moving the whole selection as one frame, resizing one
// control by a handle, and selecting by a rubber band. It knows every control rectangle of the
// design (owned by the design) and the selected ones in the order they were selected.

#include "designer/CControlRect.h"

#include <vector>

class CDC;

class CControlTracker : public CRectTracker {
public:
    explicit CControlTracker(CWnd* dialog);

    void add(CControlRect* rect);
    void remove(CControlRect* rect);
    void clearSelection();
    void select(CControlRect* rect);
    const std::vector<CControlRect*>& selection() const { return selected_; }
    // The ids of the selected controls, in selection order.
    std::vector<int> selectedIds() const;

    // A left click at a point of the dialog with the key flags (MK_CONTROL, MK_SHIFT); returns
    // whether a control was hit.
    bool click(CPoint point, UINT flags, bool allowRubberBand);
    // The frames and handles of the selected controls.
    void drawSelection(CDC* dc) const;
    // The size cursors over the selected controls' handles.
    BOOL setCursor(CWnd* window, UINT hitTest) const;

private:
    void moveSelection(CPoint point);

    CWnd* dialog_;
    std::vector<CControlRect*> all_;
    std::vector<CControlRect*> selected_;
};
