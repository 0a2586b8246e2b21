#include "platform/ui/controls/CColorStatic.h"

#include "platform/ui/graphics/CDC.h"

void CColorStatic::SetTextColor(COLORREF colour) {
    text_ = colour;
    Invalidate();
}

void CColorStatic::SetBkColor(COLORREF colour) {
    background_ = colour;
    brush_.DeleteObject();
    Invalidate();
}

HBRUSH CColorStatic::CtlColor(CDC* dc, UINT) {
    if (dc != nullptr) {
        dc->SetTextColor(text_);
        dc->SetBkColor(background_);
    }
    if (brush_.GetSafeHandle() == nullptr) {
        brush_.CreateSolidBrush(background_);
    }
    return brush_;
}
