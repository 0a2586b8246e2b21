#include "designer/CControlRect.h"

namespace {

constexpr int kHandleSize = 5;

} // namespace

CControlRect::CControlRect(std::unique_ptr<CWnd> window, const CRect& rect)
    : CRectTracker(&rect, solidLine | resizeOutside), window_(std::move(window)) {
    m_nHandleSize = kHandleSize;
}

CControlRect::~CControlRect() {
    if (window_ && window_->GetSafeHwnd() != nullptr) {
        window_->DestroyWindow();
    }
}

void CControlRect::moveTo(const CRect& rect) {
    m_rect = rect;
    m_rect.NormalizeRect();
    if (window_ && window_->GetSafeHwnd() != nullptr) {
        window_->MoveWindow(m_rect.left, m_rect.top, m_rect.Width(), m_rect.Height());
    }
}

void CControlRect::followWindow() {
    if (!window_ || window_->GetSafeHwnd() == nullptr || window_->GetParent() == nullptr) {
        return;
    }
    CRect rect;
    window_->GetWindowRect(&rect);
    window_->GetParent()->ScreenToClient(&rect);
    m_rect = rect;
}
