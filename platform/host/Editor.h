#pragma once

#include <array>
#include <optional>

namespace host {

// The host's drawing editor as far as dialogs hand control to it: whether an editor command
// started from a dialog is running, and the window of the drawing the view was last zoomed to.
class Editor {
public:
    static Editor& instance();

    bool isCommandActive() const { return commandActive_; }
    void setCommandActive(bool active) { commandActive_ = active; }

    using Corner = std::array<double, 3>;
    struct ZoomWindow {
        Corner first;
        Corner second;
    };
    // None until the view was zoomed.
    const std::optional<ZoomWindow>& zoomWindow() const { return zoomWindow_; }
    void setZoomWindow(const ZoomWindow& window) { zoomWindow_ = window; }

private:
    Editor() = default;

    bool commandActive_ = false;
    std::optional<ZoomWindow> zoomWindow_;
};

} // namespace host
