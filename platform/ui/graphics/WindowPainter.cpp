#include "platform/ui/graphics/WindowPainter.h"

#include "platform/ui/graphics/CBrush.h"
#include "platform/ui/graphics/CClientDC.h"
#include "platform/ui/graphics/CPaintDC.h"
#include "platform/ui/windows/CWnd.h"
#include "platform/ui/windows/WindowRegistry.h"

namespace ui {

namespace {

const Bitmap kNoSurface;

ui::Bitmap* surfaceOf(CWnd* window) {
    if (window == nullptr || window->GetSafeHwnd() == nullptr) {
        return nullptr;
    }
    return &WindowPainter::instance().target(*window);
}

} // namespace

WindowPainter& WindowPainter::instance() {
    static WindowPainter painter;
    return painter;
}

Bitmap& WindowPainter::target(const CWnd& window) {
    CRect client;
    window.GetClientRect(&client);
    Bitmap& picture = surfaces_[&window];
    if (picture.width() != client.Width() || picture.height() != client.Height()) {
        picture = Bitmap(client.Width(), client.Height(), 0);
    }
    return picture;
}

const Bitmap& WindowPainter::paint(CWnd& window) {
    if (window.GetSafeHwnd() == nullptr) {
        return kNoSurface;
    }
    // Surfaces of windows that no longer exist go now, so that they do not pile up.
    std::erase_if(surfaces_, [](const auto& entry) {
        return !WindowRegistry::instance().isAlive(entry.first);
    });
    CRect client;
    window.GetClientRect(&client);
    surfaces_[&window] = Bitmap(client.Width(), client.Height(), 0);
    {
        CClientDC dc(&window);
        window.SendMessage(WM_ERASEBKGND, reinterpret_cast<WPARAM>(&dc));
    }
    if (WindowRegistry::instance().isAlive(&window)) {
        window.SendMessage(WM_PAINT);
    }
    return surface(window);
}

const Bitmap& WindowPainter::surface(const CWnd& window) const {
    const auto it = surfaces_.find(&window);
    return it == surfaces_.end() ? kNoSurface : it->second;
}

WindowPainter::StaticColours WindowPainter::staticColours(CWnd& control) {
    Bitmap scratch(1, 1, 0);
    CDC dc(scratch);
    dc.SetBkColor(GetSysColor(COLOR_BTNFACE));
    dc.SetTextColor(GetSysColor(COLOR_BTNTEXT));
    CWnd* parent = control.GetParent();
    HBRUSH brush = GetSysColorBrush(COLOR_BTNFACE);
    if (parent != nullptr) {
        brush = reinterpret_cast<HBRUSH>(parent->SendMessage(
            WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(&dc), reinterpret_cast<LPARAM>(&control)));
    }
    const BrushInfo info = brushInfo(brush);
    StaticColours colours;
    colours.transparentBackground = info.hollow;
    colours.background = info.hollow ? dc.GetBkColor() : info.colour;
    colours.text = dc.GetTextColor();
    colours.transparentText = dc.GetBkMode() == TRANSPARENT;
    return colours;
}

} // namespace ui

CPaintDC::CPaintDC(CWnd* window) {
    if (ui::Bitmap* surface = ui::surfaceOf(window)) {
        attach(*surface);
    }
}

CClientDC::CClientDC(CWnd* window) {
    if (ui::Bitmap* surface = ui::surfaceOf(window)) {
        attach(*surface);
    }
}
