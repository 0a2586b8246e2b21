#pragma once
// CColorStatic: a static control with its own text and background colours, which it answers
// itself when it paints (the reflected WM_CTLCOLORSTATIC), whatever its parent says.

#include "platform/ui/controls/CStatic.h"
#include "platform/ui/graphics/CBrush.h"

class CColorStatic : public CStatic {
public:
    CColorStatic() = default;

    void SetTextColor(COLORREF colour);
    void SetBkColor(COLORREF colour);
    COLORREF GetTextColor() const { return text_; }
    COLORREF GetBkColor() const { return background_; }

protected:
    HBRUSH CtlColor(CDC* dc, UINT ctlColor) override;

private:
    COLORREF text_ = RGB(0, 0, 0);
    COLORREF background_ = RGB(240, 240, 240);
    CBrush brush_;
};
