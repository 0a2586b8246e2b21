#include "platform/ui/windows/WindowObserver.h"

#include <algorithm>
#include <vector>

namespace ui {

namespace {

std::vector<WindowObserver*>& observers() {
    static std::vector<WindowObserver*> list;
    return list;
}

// A copy, so that an observer may remove itself while being told.
template <typename Call> void tellAll(Call call) {
    if (observers().empty()) {
        return;
    }
    const std::vector<WindowObserver*> list = observers();
    for (WindowObserver* observer : list) {
        if (std::find(observers().begin(), observers().end(), observer) != observers().end()) {
            call(*observer);
        }
    }
}

} // namespace

WindowObserver::~WindowObserver() {
    remove(*this);
}

void WindowObserver::add(WindowObserver& observer) {
    if (std::find(observers().begin(), observers().end(), &observer) == observers().end()) {
        observers().push_back(&observer);
    }
}

void WindowObserver::remove(WindowObserver& observer) {
    auto& list = observers();
    list.erase(std::remove(list.begin(), list.end(), &observer), list.end());
}

void WindowObserver::notifyCreated(CWnd& window) {
    tellAll([&](WindowObserver& o) { o.windowCreated(window); });
}

void WindowObserver::notifyChanged(CWnd& window) {
    tellAll([&](WindowObserver& o) { o.windowChanged(window); });
}

void WindowObserver::notifyFocus(CWnd* focus) {
    tellAll([&](WindowObserver& o) { o.focusChanged(focus); });
}

void WindowObserver::notifyDestroyed(CWnd& window) {
    tellAll([&](WindowObserver& o) { o.windowDestroyed(window); });
}

} // namespace ui
