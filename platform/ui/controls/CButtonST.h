#pragma once
// CButtonST: a push button that shows an icon or a bitmap (beside or instead of its text) and
// has a tooltip. Clicks behave as those of every button (BN_CLICKED).
//
// Pictures: icons by resource id or handle; bitmaps by resource id or handle with a colour
// that is transparent. A picture that is missing or cannot be read leaves the button without
// one (BTNST_INVALIDRESOURCE), never fails otherwise.

#include "platform/ui/controls/CButton.h"
#include "platform/ui/controls/CToolTipCtrl.h"
#include "platform/ui/graphics/Bitmap.h"

#include <memory>

class CButtonST : public CButton {
public:
    static constexpr DWORD BTNST_OK = 0;
    static constexpr DWORD BTNST_INVALIDRESOURCE = 1;

    CButtonST() = default;

    // The icon shown; iconOut (optional) while the pointer is away is accepted and kept.
    DWORD SetIcon(UINT iconIn, UINT iconOut = 0);
    DWORD SetIcon(HICON iconIn, HICON iconOut = nullptr);
    DWORD SetBitmaps(UINT bitmapIn, COLORREF transparent);
    DWORD SetBitmaps(HBITMAP bitmapIn, COLORREF transparent);
    void SetTooltipText(const std::wstring& text, BOOL activate = TRUE);
    void ActivateTooltip(BOOL activate = TRUE);
    std::wstring GetTooltipText() const;
    void SetFlat(BOOL flat = TRUE) { flat_ = flat != FALSE; }
    bool isFlat() const { return flat_; }

    // What the button shows: the icon, or the bitmap with its transparent colour at alpha 0;
    // null when it has no picture.
    std::shared_ptr<const ui::Bitmap> picture() const { return picture_; }

protected:
    void OnPaint() override;

private:
    void ensureTooltip();

    std::shared_ptr<const ui::Bitmap> picture_;
    HICON iconOut_ = nullptr;
    CToolTipCtrl tooltip_;
    bool flat_ = true;
};
