#include "platform/ui/controls/CStatic.h"

#include "platform/ui/graphics/BitmapTable.h"
#include "platform/ui/graphics/CPaintDC.h"
#include "platform/ui/graphics/IconTable.h"
#include "platform/ui/graphics/WindowPainter.h"

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

BOOL CStatic::OnEraseBkgnd(CDC*) {
    return TRUE; // the background is painted with the parent's colours in OnPaint
}

void CStatic::OnPaint() {
    const ui::WindowPainter::StaticColours colours = ui::WindowPainter::staticColours(*this);
    CPaintDC dc(this);
    CRect client;
    GetClientRect(&client);
    if (!colours.transparentBackground) {
        dc.FillSolidRect(&client, colours.background);
    }
    const DWORD type = GetStyle() & SS_TYPEMASK;
    if (type == SS_BITMAP) {
        if (const auto picture = ui::BitmapTable::find(bitmap_); picture && dc.surface()) {
            dc.drawMasked(0, 0, *picture, ui::BitmapMask(picture->width(), picture->height()));
        }
        return;
    }
    if (type == SS_ICON) {
        dc.DrawIcon(0, 0, icon_);
        return;
    }
    dc.SetTextColor(colours.text);
    dc.SetBkColor(colours.background);
    dc.SetBkMode(colours.transparentText ? TRANSPARENT : OPAQUE);
    const UINT align = type == SS_CENTER ? DT_CENTER : type == SS_RIGHT ? DT_RIGHT : DT_LEFT;
    std::wstring text = GetWindowText();
    dc.DrawText(text, &client, align);
}
