#pragma once
// MFC's COleDropTarget: registered for a window, it is told when a drag (COleDataSource::
// DoDragDrop) passes over that window and may accept the data. Points are client coordinates
// of the window; keyState holds MK_ flags.

#include "platform/ui/users/COleDataObject.h"

class COleDropTarget {
public:
    COleDropTarget() = default;
    virtual ~COleDropTarget();
    COleDropTarget(const COleDropTarget&) = delete;
    COleDropTarget& operator=(const COleDropTarget&) = delete;

    // FALSE without a created window or when registered already.
    BOOL Register(CWnd* window);
    void Revoke();
    CWnd* window() const { return window_; }

    // The target registered for the window or its nearest ancestor that has one, or null.
    static COleDropTarget* forWindow(CWnd* window);

    // Defaults refuse (DROPEFFECT_NONE) and drop nothing.
    virtual DROPEFFECT OnDragEnter(CWnd* window, COleDataObject* data, DWORD keyState,
                                   CPoint point);
    virtual DROPEFFECT OnDragOver(CWnd* window, COleDataObject* data, DWORD keyState, CPoint point);
    virtual void OnDragLeave(CWnd* window);
    virtual BOOL OnDrop(CWnd* window, COleDataObject* data, DROPEFFECT effect, CPoint point);

private:
    CWnd* window_ = nullptr;
};
