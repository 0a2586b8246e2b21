#pragma once

namespace host {

// The host's drawing editor as far as dialogs hand control to it: whether an editor command
// started from a dialog is running.
class Editor {
public:
    static Editor& instance();

    bool isCommandActive() const { return commandActive_; }
    void setCommandActive(bool active) { commandActive_ = active; }

private:
    Editor() = default;

    bool commandActive_ = false;
};

} // namespace host
