#pragma once
// CControlRect: one drawn control of a design: the child window it made on the host dialog and
// a tracker rectangle around it (solid line, eight handles outside, 5 pixels), so the designer
// can move and size it with the mouse. It owns the window; moving the rectangle moves the
// window with it.

#include "platform/ui/users/CRectTracker.h"
#include "platform/ui/windows/CWnd.h"

#include <memory>

class CControlRect : public CRectTracker {
public:
    CControlRect(std::unique_ptr<CWnd> window, const CRect& rect);
    ~CControlRect() override;
    CControlRect(const CControlRect&) = delete;
    CControlRect& operator=(const CControlRect&) = delete;

    CWnd* window() const { return window_.get(); }
    int id() const { return window_ ? window_->GetDlgCtrlID() : 0; }
    const CRect& rect() const { return m_rect; }
    // Moves the rectangle and the window with it.
    void moveTo(const CRect& rect);
    // Takes the window's present rectangle (after code or the user moved it).
    void followWindow();
    bool isSelected() const { return selected_; }
    void setSelected(bool selected) { selected_ = selected; }

private:
    std::unique_ptr<CWnd> window_;
    bool selected_ = false;
};
