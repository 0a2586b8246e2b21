#pragma once
// ui::WindowRegistry: the process-wide state of the window tree: which CWnd objects exist, the
// keyboard focus, the main window, and the deletion of framework-owned windows.
//
// A framework-owned control (made from a template) may be destroyed while one of its own
// members is still running (a click whose handler closes the dialog). Its deletion therefore
// waits until no message dispatch is running any more: every dispatch holds a DispatchGuard.

#include "platform/ui/windows/WinTypes.h"

#include <memory>
#include <unordered_set>
#include <vector>

namespace ui {

class WindowRegistry {
public:
    static WindowRegistry& instance();

    void add(const CWnd* window) { alive_.insert(window); }
    void remove(const CWnd* window);
    bool isAlive(const CWnd* window) const { return window && alive_.count(window) != 0; }

    CWnd* focus() const { return focus_; }
    // Observers hear of every change of the focus window.
    void setFocus(CWnd* window);
    CWnd* mainWindow() const { return mainWindow_; }
    void setMainWindow(CWnd* window) { mainWindow_ = window; }

    // Deletes at once when no dispatch is running, else when the last one ends.
    void deleteLater(std::unique_ptr<CWnd> window);
    void enterDispatch() { ++depth_; }
    void leaveDispatch();

private:
    WindowRegistry() = default;
    void flush();

    std::unordered_set<const CWnd*> alive_;
    CWnd* focus_ = nullptr;
    CWnd* mainWindow_ = nullptr;
    int depth_ = 0;
    bool flushing_ = false;
    std::vector<std::unique_ptr<CWnd>> pending_;
};

class DispatchGuard {
public:
    DispatchGuard() { WindowRegistry::instance().enterDispatch(); }
    ~DispatchGuard() { WindowRegistry::instance().leaveDispatch(); }
    DispatchGuard(const DispatchGuard&) = delete;
    DispatchGuard& operator=(const DispatchGuard&) = delete;
};

} // namespace ui
