#pragma once
// ui::WindowObserver: something that follows the window tree without being part of it, such as a
// renderer that mirrors the tree into real widgets. Observers are told when a window has been
// created, when it needs repainting (every change of text, state, items, geometry, style or
// order invalidates it), when the focus moved, and when it is destroyed (its children first).
// They must not change the tree from these calls.

class CWnd;

namespace ui {

class WindowObserver {
public:
    WindowObserver() = default;
    virtual ~WindowObserver();
    WindowObserver(const WindowObserver&) = delete;
    WindowObserver& operator=(const WindowObserver&) = delete;

    virtual void windowCreated(CWnd&) {}
    virtual void windowChanged(CWnd&) {}
    virtual void focusChanged(CWnd* /*focus*/) {}
    // Called while the object still exists, after its children were destroyed.
    virtual void windowDestroyed(CWnd&) {}

    // Observers stay registered until removed (or destroyed).
    static void add(WindowObserver& observer);
    static void remove(WindowObserver& observer);

    static void notifyCreated(CWnd& window);
    static void notifyChanged(CWnd& window);
    static void notifyFocus(CWnd* focus);
    static void notifyDestroyed(CWnd& window);
};

} // namespace ui
