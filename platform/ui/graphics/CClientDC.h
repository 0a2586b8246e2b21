#pragma once
// MFC's CClientDC: a device context on the window's surface (ui::WindowPainter), usable
// outside OnPaint.

#include "platform/ui/graphics/CDC.h"

class CClientDC : public CDC {
public:
    explicit CClientDC(CWnd* window);
};
