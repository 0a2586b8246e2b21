#pragma once
// CControlRect: one drawn control of a design: the child window it made on the host dialog and
// the window's rectangle in the dialog's client pixels. It owns the window.

#include "platform/ui/CRect.h"
#include "platform/ui/CWnd.h"

#include <memory>

class CControlRect {
public:
    CControlRect(std::unique_ptr<CWnd> window, const CRect& rect);
    ~CControlRect();
    CControlRect(const CControlRect&) = delete;
    CControlRect& operator=(const CControlRect&) = delete;

    CWnd* window() const { return window_.get(); }
    int id() const { return window_ ? window_->GetDlgCtrlID() : 0; }
    const CRect& rect() const { return rect_; }
    // Moves the rectangle and the window with it.
    void moveTo(const CRect& rect);
    bool isSelected() const { return selected_; }
    void setSelected(bool selected) { selected_ = selected; }

private:
    std::unique_ptr<CWnd> window_;
    CRect rect_;
    bool selected_ = false;
};
