#pragma once
// ui::MessageQueue: the posted messages of the user-interface thread. CWnd::PostMessage
// queues; pump() delivers in posting order (SendMessage to the target) until the queue is
// empty, messages posted meanwhile included. Messages of a window that is destroyed before
// delivery are dropped. The scripted and non-interactive users and ui::Clock pump.

#include "platform/ui/windows/WinTypes.h"

#include <cstddef>
#include <deque>

namespace ui {

class MessageQueue {
public:
    static MessageQueue& instance();

    void post(CWnd* window, UINT message, WPARAM wParam, LPARAM lParam);
    // Returns the number of messages delivered. A pump stops after 100000 deliveries (a
    // message that re-posts itself forever) with a diagnostic.
    std::size_t pump();
    void discardFor(const CWnd* window);
    std::size_t size() const { return queue_.size(); }

private:
    MessageQueue() = default;

    std::deque<MSG> queue_;
};

} // namespace ui
