#pragma once

namespace host {

// The host's drawing editor as far as dialogs hand control to it: whether an editor command
// started from a dialog is running.
class Editor {
public:
    static Editor& instance();

    bool isCommandActive() const { return mCommandActive; }
    void setCommandActive(bool active) { mCommandActive = active; }

private:
    Editor() = default;

    bool mCommandActive = false;
};

} // namespace host
