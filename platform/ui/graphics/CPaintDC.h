#pragma once
// MFC's CPaintDC (inside OnPaint) and CClientDC (anywhere): device contexts on the window's
// surface (ui::WindowPainter).

#include "platform/ui/graphics/CDC.h"

class CPaintDC : public CDC {
public:
    explicit CPaintDC(CWnd* window);
};
