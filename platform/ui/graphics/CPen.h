#pragma once
// MFC's CPen: style (PS_SOLID, PS_DASH, PS_DOT, PS_NULL), width in pixels and colour. A device
// context copies what it needs when the pen is selected.

#include "platform/ui/graphics/WinGdi.h"

class CPen {
public:
    CPen() = default;
    CPen(int style, int width, COLORREF colour) { CreatePen(style, width, colour); }

    BOOL CreatePen(int style, int width, COLORREF colour) {
        style_ = style;
        width_ = width < 1 ? 1 : width;
        colour_ = colour;
        return TRUE;
    }
    int style() const { return style_; }
    int width() const { return width_; }
    COLORREF colour() const { return colour_; }

private:
    int style_ = PS_SOLID;
    int width_ = 1;
    COLORREF colour_ = 0;
};
