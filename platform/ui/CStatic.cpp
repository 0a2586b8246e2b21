#include "platform/ui/CStatic.h"

BOOL CStatic::Create(const std::wstring& text, DWORD style, const RECT& rect, CWnd* parent,
                     UINT id) {
    return CreateEx(0, L"Static", text, style, rect, parent, id);
}

HBITMAP CStatic::SetBitmap(HBITMAP bitmap) {
    const HBITMAP previous = bitmap_;
    bitmap_ = bitmap;
    Invalidate();
    return previous;
}

HICON CStatic::SetIcon(HICON icon) {
    const HICON previous = icon_;
    icon_ = icon;
    Invalidate();
    return previous;
}

void CStatic::takeOverState(CWnd& original) {
    if (auto* other = dynamic_cast<CStatic*>(&original)) {
        bitmap_ = other->bitmap_;
        icon_ = other->icon_;
    }
}
