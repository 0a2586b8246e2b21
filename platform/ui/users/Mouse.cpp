#include "platform/ui/users/Mouse.h"

#include "platform/ui/controls/CButton.h"
#include "platform/ui/controls/CStatic.h"
#include "platform/ui/windows/CWnd.h"
#include "platform/ui/windows/WindowRegistry.h"

namespace ui {

namespace {

constexpr UINT kStandardCursors[] = {IDC_ARROW,    IDC_IBEAM,    IDC_WAIT,   IDC_CROSS,
                                     IDC_SIZENWSE, IDC_SIZENESW, IDC_SIZEWE, IDC_SIZENS,
                                     IDC_SIZEALL,  IDC_NO,       IDC_HAND};

// Static controls and group boxes answer WM_NCHITTEST with HTTRANSPARENT.
bool transparentToMouse(const CWnd& window) {
    if (const auto* label = dynamic_cast<const CStatic*>(&window)) {
        return (label->GetStyle() & SS_NOTIFY) == 0;
    }
    if (const auto* button = dynamic_cast<const CButton*>(&window)) {
        return button->isGroupBox();
    }
    return false;
}

bool usable(const CWnd& window) {
    return window.IsWindowVisible() && window.IsWindowEnabled();
}

CWnd* deepestAt(CWnd& parent, CPoint screen) {
    for (CWnd* child : parent.children()) {
        CRect rect;
        child->GetWindowRect(&rect);
        if (!rect.PtInRect(screen) || !usable(*child)) {
            continue;
        }
        if (CWnd* inner = deepestAt(*child, screen)) {
            return inner;
        }
        if (!transparentToMouse(*child)) {
            return child;
        }
    }
    return nullptr;
}

LPARAM pointParam(CPoint client) {
    return MAKELPARAM(static_cast<UINT>(static_cast<WORD>(client.x)),
                      static_cast<UINT>(static_cast<WORD>(client.y)));
}

} // namespace

Mouse& Mouse::instance() {
    static Mouse mouse;
    return mouse;
}

CWnd* Mouse::capture() const {
    if (capture_ != nullptr &&
        (!WindowRegistry::instance().isAlive(capture_) || capture_->GetSafeHwnd() == nullptr)) {
        return nullptr;
    }
    return capture_;
}

CWnd* Mouse::setCapture(CWnd* window) {
    CWnd* previous = capture();
    capture_ = window;
    if (previous != nullptr && previous != window) {
        previous->SendMessage(WM_CAPTURECHANGED, 0, reinterpret_cast<LPARAM>(window));
    }
    return previous;
}

HCURSOR Mouse::setCursor(HCURSOR cursor) {
    const HCURSOR previous = cursor_;
    cursor_ = cursor;
    return previous;
}

CWnd* Mouse::windowAt(CWnd& root, CPoint screen) {
    CRect rect;
    root.GetWindowRect(&rect);
    if (!rect.PtInRect(screen) || !usable(root)) {
        return nullptr;
    }
    CWnd* inner = deepestAt(root, screen);
    return inner != nullptr ? inner : &root;
}

void Mouse::moveTo(CWnd* under, CPoint screen, UINT keyFlags) {
    position_ = screen;
    CWnd* target = capture();
    if (target == nullptr) {
        target = under;
        if (target == nullptr) {
            return;
        }
        target->SendMessage(WM_SETCURSOR, reinterpret_cast<WPARAM>(target),
                            MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
    }
    send(target, WM_MOUSEMOVE, screen, keyFlags);
}

void Mouse::send(CWnd* under, UINT message, CPoint screen, UINT keyFlags) {
    position_ = screen;
    CWnd* target = capture();
    if (target == nullptr) {
        target = under;
    }
    if (target == nullptr || target->GetSafeHwnd() == nullptr) {
        return;
    }
    CPoint client = screen;
    target->ScreenToClient(&client);
    target->SendMessage(message, keyFlags, pointParam(client));
}

std::optional<MouseGesture> Mouse::takeGesture() {
    std::optional<MouseGesture> taken = std::move(gesture_);
    gesture_.reset();
    return taken;
}

CWnd* MouseGesture::windowAt(CPoint screen) const {
    for (CWnd* root : roots) {
        if (WindowRegistry::instance().isAlive(root)) {
            if (CWnd* found = Mouse::windowAt(*root, screen)) {
                return found;
            }
        }
    }
    return nullptr;
}

UINT cursorId(HCURSOR cursor) {
    return static_cast<UINT>(reinterpret_cast<std::uintptr_t>(cursor));
}

} // namespace ui

CWnd* GetCapture() {
    return ui::Mouse::instance().capture();
}

BOOL ReleaseCapture() {
    ui::Mouse::instance().setCapture(nullptr);
    return TRUE;
}

BOOL GetCursorPos(LPPOINT point) {
    if (point == nullptr) {
        return FALSE;
    }
    *point = ui::Mouse::instance().position();
    return TRUE;
}

HCURSOR LoadCursor(const void*, UINT cursorId) {
    for (UINT id : ui::kStandardCursors) {
        if (id == cursorId) {
            return reinterpret_cast<HCURSOR>(static_cast<std::uintptr_t>(id));
        }
    }
    return nullptr;
}

HCURSOR SetCursor(HCURSOR cursor) {
    return ui::Mouse::instance().setCursor(cursor);
}

HCURSOR GetCursor() {
    return ui::Mouse::instance().cursor();
}
