#include "platform/ui/controls/CButtonST.h"

#include "platform/ui/graphics/BitmapTable.h"
#include "platform/ui/graphics/CBitmap.h"
#include "platform/ui/graphics/CPaintDC.h"
#include "platform/ui/graphics/IconTable.h"

DWORD CButtonST::SetIcon(UINT iconIn, UINT iconOut) {
    return SetIcon(LoadIcon(nullptr, iconIn), iconOut != 0 ? LoadIcon(nullptr, iconOut) : nullptr);
}

DWORD CButtonST::SetIcon(HICON iconIn, HICON iconOut) {
    CButton::SetIcon(iconIn);
    iconOut_ = iconOut;
    picture_ = ui::IconTable::find(iconIn);
    Invalidate();
    return picture_ ? BTNST_OK : BTNST_INVALIDRESOURCE;
}

DWORD CButtonST::SetBitmaps(UINT bitmapIn, COLORREF transparent) {
    CBitmap bitmap;
    if (!bitmap.LoadBitmap(bitmapIn)) {
        picture_.reset();
        Invalidate();
        return BTNST_INVALIDRESOURCE;
    }
    return SetBitmaps(bitmap.GetSafeHandle(), transparent);
}

DWORD CButtonST::SetBitmaps(HBITMAP bitmapIn, COLORREF transparent) {
    const auto source = ui::BitmapTable::find(bitmapIn);
    Invalidate();
    if (!source) {
        picture_.reset();
        return BTNST_INVALIDRESOURCE;
    }
    ui::Bitmap copy = *source;
    const ui::BitmapMask mask = copy.maskOf(transparent);
    for (int y = 0; y < copy.height(); ++y) {
        for (int x = 0; x < copy.width(); ++x) {
            if (mask.isTransparent(x, y)) {
                copy.setPixel(x, y, copy.pixel(x, y) & 0x00FFFFFFu);
            }
        }
    }
    picture_ = std::make_shared<const ui::Bitmap>(std::move(copy));
    return BTNST_OK;
}

void CButtonST::ensureTooltip() {
    CWnd* parent = GetParent();
    if (tooltip_.GetToolCount() == 0 && parent != nullptr) {
        tooltip_.Create(parent);
    }
}

void CButtonST::SetTooltipText(const std::wstring& text, BOOL activate) {
    ensureTooltip();
    if (!tooltip_.AddTool(this, text)) {
        // Not created yet: the tip is set once the button has a parent.
        return;
    }
    tooltip_.Activate(activate);
}

void CButtonST::ActivateTooltip(BOOL activate) {
    tooltip_.Activate(activate);
}

std::wstring CButtonST::GetTooltipText() const {
    std::wstring text;
    tooltip_.GetText(text, const_cast<CButtonST*>(this));
    return text;
}

void CButtonST::OnPaint() {
    CPaintDC dc(this);
    CRect client;
    GetClientRect(&client);
    dc.FillSolidRect(&client, GetSysColor(COLOR_BTNFACE));
    if (picture_) {
        ui::Bitmap* surface = dc.surface();
        if (surface != nullptr) {
            const int left = (client.Width() - picture_->width()) / 2;
            const int top = (client.Height() - picture_->height()) / 2;
            for (int y = 0; y < picture_->height(); ++y) {
                for (int x = 0; x < picture_->width(); ++x) {
                    const std::uint32_t pixel = picture_->pixel(x, y);
                    if ((pixel & 0xFF000000u) != 0) {
                        surface->setPixel(left + x, top + y, pixel);
                    }
                }
            }
        }
    } else {
        dc.SetBkMode(TRANSPARENT);
        std::wstring text = GetWindowText();
        dc.DrawText(text, &client, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    }
}
