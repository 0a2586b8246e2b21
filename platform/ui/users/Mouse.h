#pragma once
// ui::Mouse: the pointer of the window system: its position on the screen, the window that has
// captured it, the current cursor shape, and the routing of mouse input.
//
// Mouse input at a screen point goes to the capture window when there is one, otherwise to the
// deepest visible and enabled window under the point (windowAt). As in Win32, static controls
// (without SS_NOTIFY) and group boxes are transparent to the mouse: a click on them reaches
// the window below, and input over a disabled control reaches its parent.
//
// A press that starts a modal tracking loop (CRectTracker::Track, DoDragDrop) plays the rest
// of the user's gesture itself: the user action announces the gesture (the points the pointer
// moves through, the last one where the button goes up) before it presses the button, and the
// loop takes it with takeGesture(). When nothing took it, the user action sends the moves and
// the button-up as ordinary messages.

#include "platform/ui/graphics/WinGdi.h"

#include <optional>
#include <vector>

namespace ui {

struct MouseGesture {
    // Screen points after the press; the button goes up at the last one.
    std::vector<CPoint> path;
    // MK_LBUTTON or MK_RBUTTON.
    UINT button = MK_LBUTTON;
    // MK_SHIFT / MK_CONTROL held throughout.
    UINT keyFlags = 0;
    // Top-level windows whose descendants the gesture may pass over, searched in order.
    std::vector<CWnd*> roots;

    // The window mouse input at a screen point of the gesture reaches, or null.
    CWnd* windowAt(CPoint screen) const;
};

class Mouse {
public:
    static Mouse& instance();

    CPoint position() const { return position_; }
    void setPosition(CPoint screen) { position_ = screen; }

    // Null when no window, or a window that is gone, has the capture.
    CWnd* capture() const;
    // Returns the previous capture window; the window losing the capture gets
    // WM_CAPTURECHANGED.
    CWnd* setCapture(CWnd* window);

    HCURSOR cursor() const { return cursor_; }
    HCURSOR setCursor(HCURSOR cursor);

    // The window mouse input at a screen point reaches within root (root itself when no
    // descendant takes it), or null when the point is outside root or root is disabled.
    static CWnd* windowAt(CWnd& root, CPoint screen);

    // Moves the pointer: WM_SETCURSOR (HTCLIENT, WM_MOUSEMOVE) to the window under it unless a
    // window has the capture, then WM_MOUSEMOVE (client coordinates) to the capture or to that
    // window.
    void moveTo(CWnd* under, CPoint screen, UINT keyFlags);
    // Sends a button message to the capture window or to `under`, at the screen point.
    void send(CWnd* under, UINT message, CPoint screen, UINT keyFlags);

    void setGesture(MouseGesture gesture) { gesture_ = std::move(gesture); }
    // The announced gesture, once; empty when none is pending.
    std::optional<MouseGesture> takeGesture();
    void clearGesture() { gesture_.reset(); }

private:
    Mouse() = default;

    CPoint position_;
    CWnd* capture_ = nullptr;
    HCURSOR cursor_ = nullptr;
    std::optional<MouseGesture> gesture_;
};

// The id of a standard cursor handle (IDC_...), 0 for null.
UINT cursorId(HCURSOR cursor);

} // namespace ui
