#include "platform/ui/windows/WindowRegistry.h"

#include "platform/ui/windows/CWnd.h"
#include "platform/ui/windows/WindowObserver.h"

namespace ui {

void WindowRegistry::setFocus(CWnd* window) {
    if (focus_ != window) {
        focus_ = window;
        WindowObserver::notifyFocus(window);
    }
}

// Never destroyed: windows held by static objects may be destroyed at any point of exit.
WindowRegistry& WindowRegistry::instance() {
    static WindowRegistry* const registry = new WindowRegistry;
    return *registry;
}

void WindowRegistry::remove(const CWnd* window) {
    alive_.erase(window);
    if (focus_ == window) {
        focus_ = nullptr;
    }
    if (mainWindow_ == window) {
        mainWindow_ = nullptr;
    }
}

void WindowRegistry::deleteLater(std::unique_ptr<CWnd> window) {
    pending_.push_back(std::move(window));
    if (depth_ == 0) {
        flush();
    }
}

void WindowRegistry::leaveDispatch() {
    --depth_;
    if (depth_ == 0) {
        flush();
    }
}

void WindowRegistry::flush() {
    if (flushing_) {
        return;
    }
    flushing_ = true;
    // Destructors may hand over further windows; keep going until nothing is left.
    while (!pending_.empty()) {
        std::vector<std::unique_ptr<CWnd>> batch;
        batch.swap(pending_);
        ++depth_;
        batch.clear();
        --depth_;
    }
    flushing_ = false;
}

} // namespace ui
