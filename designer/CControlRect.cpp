#include "designer/CControlRect.h"

CControlRect::CControlRect(std::unique_ptr<CWnd> window, const CRect& rect)
    : window_(std::move(window)), rect_(rect) {}

CControlRect::~CControlRect() {
    if (window_ && window_->GetSafeHwnd() != nullptr) {
        window_->DestroyWindow();
    }
}

void CControlRect::moveTo(const CRect& rect) {
    rect_ = rect;
    rect_.NormalizeRect();
    if (window_ && window_->GetSafeHwnd() != nullptr) {
        window_->MoveWindow(rect_.left, rect_.top, rect_.Width(), rect_.Height());
    }
}
