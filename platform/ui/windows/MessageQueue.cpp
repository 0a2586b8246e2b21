#include "platform/ui/windows/MessageQueue.h"

#include "platform/ui/windows/CWnd.h"
#include "platform/ui/windows/Diagnostics.h"
#include "platform/ui/windows/WindowRegistry.h"

#include <algorithm>

namespace ui {

namespace {

constexpr std::size_t kMaxDeliveriesPerPump = 100000;

} // namespace

// Never destroyed: static windows may drop their messages at any point of exit.
MessageQueue& MessageQueue::instance() {
    static MessageQueue* const queue = new MessageQueue;
    return *queue;
}

void MessageQueue::post(CWnd* window, UINT message, WPARAM wParam, LPARAM lParam) {
    queue_.push_back({window, message, wParam, lParam});
}

std::size_t MessageQueue::pump() {
    DispatchGuard guard;
    std::size_t delivered = 0;
    while (!queue_.empty()) {
        if (delivered == kMaxDeliveriesPerPump) {
            Diagnostics::report(L"posted messages keep arriving; the pump stops after " +
                                std::to_wstring(kMaxDeliveriesPerPump));
            break;
        }
        const MSG msg = queue_.front();
        queue_.pop_front();
        if (WindowRegistry::instance().isAlive(msg.hwnd) && msg.hwnd->GetSafeHwnd() != nullptr) {
            msg.hwnd->SendMessage(msg.message, msg.wParam, msg.lParam);
            ++delivered;
        }
    }
    return delivered;
}

void MessageQueue::discardFor(const CWnd* window) {
    queue_.erase(std::remove_if(queue_.begin(), queue_.end(),
                                [window](const MSG& msg) { return msg.hwnd == window; }),
                 queue_.end());
}

} // namespace ui
