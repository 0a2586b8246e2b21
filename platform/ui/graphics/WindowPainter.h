#pragma once
// ui::WindowPainter: paints windows into pictures. Painting a window makes a picture of its
// client size, fully transparent (alpha 0), sends WM_ERASEBKGND and WM_PAINT with a device
// context on it, and keeps it as the window's surface, which a renderer or a test reads.
// CPaintDC and CClientDC draw into the surface of their window.

#include "platform/ui/graphics/Bitmap.h"
#include "platform/ui/graphics/WinGdi.h"

#include <unordered_map>

class CDC;

namespace ui {

class WindowPainter {
public:
    // What a static control paints with, as its parent answers WM_CTLCOLORSTATIC.
    struct StaticColours {
        bool transparentBackground = false; // a hollow brush: the parent shows through
        COLORREF background = 0;
        COLORREF text = 0;
        bool transparentText = false; // SetBkMode(TRANSPARENT)
    };

    static WindowPainter& instance();

    // Erases and paints the window (when created) and returns its new surface.
    const Bitmap& paint(CWnd& window);
    // The window's last surface; empty before its first painting.
    const Bitmap& surface(const CWnd& window) const;
    // The picture a DC of the window draws into: the surface at the window's client size.
    Bitmap& target(const CWnd& window);
    // Asks the control's parent (WM_CTLCOLORSTATIC, with a DC whose defaults are the dialog
    // face and black text).
    static StaticColours staticColours(CWnd& control);

private:
    WindowPainter() = default;

    std::unordered_map<const CWnd*, Bitmap> surfaces_;
};

} // namespace ui
